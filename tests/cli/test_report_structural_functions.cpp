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
  const ModeDocuments d = bothModes("struct_fn_overloads", kFunctionTemplates,
                                    {"ktlpp", "-op", "out", "-cmaf", "out/project.cma", "-po",
                                     "mxo::report_type=Template Usage Report", "src/a.cpp", "src/b.cpp",
                                     "src/c.cpp"});
  const auto files = [&](std::initializer_list<const char*> units) {
    std::string text;
    for (const char* unit : units) text += d.link(unit + std::string(".cpp")) + eoln();
    return text;
  };
  // Every overload's fragment is led by its file's link in structural
  // mode; without the switch only the first of one file is.
  const std::string header = d.link("put.h") + eoln();
  const auto following = [&](const std::string& code) { return after_fragment(d.structural, code, header); };
  const std::string put = h4("lib::put Function Template Instantiated In File(s)");
  const std::string show = h4("lib::show Function Template Instantiated In File(s)");
  const std::string ptr = " 4: template <typename T>\n 5: int put(T* p) { return 1; }\n";
  // One list per group, after all of its overloads.
  EXPECT_EQ(occurrences(d.plain, "<kxdf:h4>"), 2u) << d.plain;
  EXPECT_TRUE(containsAll(d.plain, {put + files({"a", "b", "c"}), show + files({"a", "c"}),
                                    frame(ptr) + eoln() + "<kxdf:table"}));
  EXPECT_EQ(occurrences(d.plain, header + "<kxdf:table"), 2u) << d.plain;

  EXPECT_EQ(following(ptr), put + files({"a", "c"})) << d.structural;
  EXPECT_EQ(following(" 6: template <typename T>\n 7: int put(T& r) { return 2; }\n"), put + files({"a"}));
  EXPECT_EQ(following(" 8: template <typename T>\n 9: int put(const T& r) { return 3; }\n"),
            put + files({"b"}));
  EXPECT_EQ(following("10: template <typename T>\n11: int put(T a, T b) { return 4; }\n"), put + files({"b"}));
  EXPECT_EQ(following("12: template <typename T>\n13: int put(T a, T b, T c) { return 5; }\n"),
            bold("No instantiations of function template lib::put.") + eoln());
  // Equal names: the line the instantiation's record carries decides.
  EXPECT_EQ(following("17: template <typename T>\n"
                      "18: typename when<sizeof(T) == 4, int>::type show(T v) { return 6; }\n"),
            show + files({"a"}));
  EXPECT_EQ(following("19: template <typename T>\n"
                      "20: typename when<sizeof(T) != 4, int>::type show(T v) { return 7; }\n"),
            show + files({"c"}));
  EXPECT_EQ(occurrences(d.structural, h3("lib::put Overloaded Function Templates")), 1u);
  EXPECT_EQ(occurrences(d.structural, header + "<kxdf:table"), 7u);
}

// Fragments of function templates whose declarations are led by a long
// documentation comment, a block comment, a macro line and a comment, or
// carry attribute lines or a comment between header and declaration, or a
// comparison in their template header.
TEST(ReportStructuralFunctions, FragmentsRunFromTheTemplateHeaderToTheDeclaration) {
  const ModeDocuments d = bothModes("struct_fn_fragments", kFunctionTemplates);
  const std::string first = "12: template <typename T>\n13: T first(T a, T b) { return a; }\n";
  const std::string convert =
      "23: template <typename T,\n24:           typename U>\n"
      "25: U convert(T value) { return static_cast<U>(value); }\n";
  EXPECT_TRUE(containsAll(d.structural, {frame(first), frame(convert)}));
  // The macro line above leads the fragment, and the comments with it.
  EXPECT_TRUE(containsAll(d.plain, {frame(" 6: LIB_BEGIN\n 7: /**\n 8:  * Returns the first argument.\n"
                                          " 9:  *\n10:  * A long documentation comment; it must not lead "
                                          "the fragment.\n11:  */\n" + first),
                                    frame("19: LIB_END\n20: \n21: LIB_BEGIN\n"
                                          "22: // A line comment after a macro line.\n" + convert)}));
  // A ">" inside parentheses of the header is a comparison: without the
  // switch it opens a list and the fragment runs up over zero() above.
  const std::string wide =
      "37: template <typename T, int N = (sizeof(T) > 2 ? 1 : 0)>\n38: T wide(T v) { return v; }\n";
  const std::string runOn = escape("36: template <typename T> T zero() { return T(); }\n" + wide);
  EXPECT_TRUE(contains(d.structural, frame(wide)));
  EXPECT_TRUE(containsNone(d.structural, {runOn}));
  EXPECT_TRUE(contains(d.plain, runOn));
  EXPECT_TRUE(containsNone(d.plain, {frame(wide)}));
  for (const std::string* doc : {&d.plain, &d.structural}) {
    // The same in both modes: a block comment above is left out, attribute
    // lines (one a macro) and a comment inside the declaration stay.
    EXPECT_TRUE(containsAll(*doc, {frame("17: template <typename T>\n18: T second(T a, T b) { return b; }\n"),
                                   frame("27: template <typename T>\n28: [[nodiscard]]\n29: LIB_INLINE\n"
                                         "30: T twice(T v) { return v + v; }\n"),
                                   frame("32: template <typename T>\n"
                                         "33: // A comment between header and declaration.\n"
                                         "34: T half(T v) { return v / 2; }\n")}));
    EXPECT_EQ(occurrences(*doc, "<kxdf:table"), 7u) << *doc;
  }
}
