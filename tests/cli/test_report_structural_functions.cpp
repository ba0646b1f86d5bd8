// Function templates under "structural_match": each overload lists the
// files that instantiate it, and fragments start at the template header.
// Every case runs in both modes, so the default output is known to stay.
#include <gtest/gtest.h>

#include "test_report_support.h"

using namespace report_expect;

namespace {

// What follows the framed fragment `code` up to the next heading of a
// template or the link `templateFile` that leads the next fragment; empty
// when the fragment is not in `doc`.
std::string after_fragment(const std::string& doc, const std::string& code,
                           const std::string& templateFile) {
  const std::string framed = frame(code) + eoln();
  const size_t at = doc.find(framed);
  if (at == std::string::npos) return std::string();
  const size_t from = at + framed.size();
  size_t to = std::min(doc.find(templateFile + "<kxdf:table", from), doc.find("<kxdf:h3>", from));
  to = std::min(to, doc.find("</kxdf:section>", from));
  return doc.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

}  // namespace

// Overloads put(T*), put(T&), put(const T&), put(T, T) and put(T, T, T),
// instantiated by three units; show(T) twice, told apart only by a return
// type that enables one or the other.
TEST(ReportStructuralFunctions, EachOverloadListsTheFilesThatInstantiateIt) {
  for (const bool structural : {false, true}) {
    CliSandbox box;
    const std::string root = installFixture(box, "struct_fn_overloads");
    std::vector<std::string> args = {
        "ktlpp", "-op", "out", "-cmaf", "out/project.cma", "-po",
        "mxo::report_type=Template Usage Report", "src/a.cpp", "src/b.cpp", "src/c.cpp"};
    if (structural) args = with(args, "mxo::structural_match");
    CliResult r = box.run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string doc = outDoc(box, kFunctionTemplates);
    const std::string out = root + "/out";
    const auto files = [&](std::initializer_list<const char*> units) {
      std::string text;
      for (const char* unit : units) text += link(root + "/src/" + unit + ".cpp", out) + eoln();
      return text;
    };
    // Every overload's fragment is led by its file's link in structural
    // mode; without the switch only the first of one file is.
    const std::string header = link(root + "/src/put.h", out) + eoln();
    const auto following = [&](const std::string& code) {
      return after_fragment(doc, code, header);
    };
    const std::string put = h4("lib::put Function Template Instantiated In File(s)");
    const std::string show = h4("lib::show Function Template Instantiated In File(s)");
    const std::string ptr = " 4: template <typename T>\n 5: int put(T* p) { return 1; }\n";
    const std::string ref = " 6: template <typename T>\n 7: int put(T& r) { return 2; }\n";
    const std::string cref = " 8: template <typename T>\n 9: int put(const T& r) { return 3; }\n";
    const std::string two = "10: template <typename T>\n11: int put(T a, T b) { return 4; }\n";
    const std::string three = "12: template <typename T>\n13: int put(T a, T b, T c) { return 5; }\n";
    const std::string show4 =
        "17: template <typename T>\n18: typename when<sizeof(T) == 4, int>::type show(T v) { return 6; }\n";
    const std::string showOther =
        "19: template <typename T>\n20: typename when<sizeof(T) != 4, int>::type show(T v) { return 7; }\n";
    if (!structural) {
      // One list per group, after all of its overloads.
      EXPECT_EQ(occurrences(doc, "<kxdf:h4>"), 2u) << doc;
      EXPECT_TRUE(has(doc, put + files({"a", "b", "c"}))) << doc;
      EXPECT_TRUE(has(doc, show + files({"a", "c"}))) << doc;
      EXPECT_TRUE(has(doc, frame(ptr) + eoln() + "<kxdf:table")) << doc;
      EXPECT_EQ(occurrences(doc, header + "<kxdf:table"), 2u) << doc;
      continue;
    }
    EXPECT_EQ(following(ptr), put + files({"a", "c"})) << doc;
    EXPECT_EQ(following(ref), put + files({"a"})) << doc;
    EXPECT_EQ(following(cref), put + files({"b"})) << doc;
    EXPECT_EQ(following(two), put + files({"b"})) << doc;
    EXPECT_EQ(following(three),
              bold("No instantiations of function template lib::put.") + eoln())
        << doc;
    // Equal names: the line the instantiation's record carries decides.
    EXPECT_EQ(following(show4), show + files({"a"})) << doc;
    EXPECT_EQ(following(showOther), show + files({"c"})) << doc;
    EXPECT_EQ(occurrences(doc, h3("lib::put Overloaded Function Templates")), 1u) << doc;
    EXPECT_EQ(occurrences(doc, header + "<kxdf:table"), 7u) << doc;
  }
}

// Fragments of function templates whose declarations are led by a long
// documentation comment, a block comment, a macro line and a comment, or
// carry attribute lines or a comment between header and declaration, or a
// comparison in their template header.
TEST(ReportStructuralFunctions, FragmentsRunFromTheTemplateHeaderToTheDeclaration) {
  for (const bool structural : {false, true}) {
    const std::string doc = unitDocument("struct_fn_fragments", kFunctionTemplates, structural);
    const std::string first = "12: template <typename T>\n13: T first(T a, T b) { return a; }\n";
    const std::string convert =
        "23: template <typename T,\n24:           typename U>\n"
        "25: U convert(T value) { return static_cast<U>(value); }\n";
    if (structural) {
      EXPECT_TRUE(has(doc, frame(first))) << doc;
      EXPECT_TRUE(has(doc, frame(convert))) << doc;
    } else {
      // The macro line above leads the fragment, and the comments with it.
      EXPECT_TRUE(has(doc, frame(" 6: LIB_BEGIN\n 7: /**\n 8:  * Returns the first argument.\n"
                               " 9:  *\n10:  * A long documentation comment; it must not lead "
                               "the fragment.\n11:  */\n" + first))) << doc;
      EXPECT_TRUE(has(doc, frame("19: LIB_END\n20: \n21: LIB_BEGIN\n"
                               "22: // A line comment after a macro line.\n" + convert))) << doc;
    }
    // The same in both modes: a block comment above is left out, attribute
    // lines (one a macro) and a comment inside the declaration stay.
    EXPECT_TRUE(has(doc, frame("17: template <typename T>\n18: T second(T a, T b) { return b; }\n"))) << doc;
    EXPECT_TRUE(has(doc, frame("27: template <typename T>\n28: [[nodiscard]]\n29: LIB_INLINE\n"
                             "30: T twice(T v) { return v + v; }\n"))) << doc;
    EXPECT_TRUE(has(doc, frame("32: template <typename T>\n"
                             "33: // A comment between header and declaration.\n"
                             "34: T half(T v) { return v / 2; }\n"))) << doc;
    // A ">" inside parentheses of the header is a comparison: without the
    // switch it opens a list and the fragment runs up over zero() above.
    const std::string wide = "37: template <typename T, int N = (sizeof(T) > 2 ? 1 : 0)>\n"
                             "38: T wide(T v) { return v; }\n";
    const std::string runOn = "36: template <typename T> T zero() { return T(); }\n" + wide;
    EXPECT_EQ(has(doc, frame(wide)), structural) << doc;
    EXPECT_EQ(has(doc, escape(runOn)), !structural) << doc;
    EXPECT_EQ(occurrences(doc, "<kxdf:table"), 7u) << doc;
  }
}
