// Structural matching on class templates: instances and members filed under
// the partial or explicit specialisation C++ chooses, explicit
// specialisations of a template that is only declared, and member
// templates.  Each construct runs in both modes, so the default output is
// known to stay as it was.
#include <gtest/gtest.h>

#include "test_report_support.h"

using namespace report_expect;

// Two partial specialisations of Setting in two headers, one more
// specialised than the other (List<T*> and List<T>), and Pair<T, T>.
TEST(ReportStructuralClasses, InstancesAndMembersGoToTheMostSpecialisedPartial) {
  const ModeDocuments d = bothModes("struct_cls_partial", kClassTemplates);
  const std::string w = frame("   7:     conf::Setting<conf::List<double>> w;\n");
  const std::string p = frame("   9:     conf::Setting<conf::List<int*>> p;\n");
  const std::string s = frame("   5:     conf::Setting<int> s;\n");
  const std::string same = frame("  11:     conf::Pair<int, int> same;\n");
  const std::string mixed = frame("  12:     conf::Pair<int, char> mixed;\n");
  const std::string key = frame("  22:     K key() const { return k; }\n");
  // Without the switch every instance stays under the primary, and no
  // partial member is found through the primary's pattern.
  EXPECT_TRUE(inOrder(d.plain, {h4("conf::Setting Primary Class Instantiations"), s, w, p}));
  EXPECT_TRUE(contains(d.plain, bold("No members of partial class specialization conf::Setting are "
                                     "instantiated.")));
  EXPECT_TRUE(containsNone(d.plain, {"Specialization Instance(s)"}));
  EXPECT_TRUE(inOrder(d.plain, {h4("conf::Pair Primary Class Instantiations"), same, mixed}));
  // List<double> only fits List<T>; List<int*> fits both and takes the
  // more specialised List<T*>, with the add() of each.
  const std::string partialHead = h4("conf::Setting Partial Class Template Specialization");
  const std::string partialMembers =
      h5("conf::Setting Partial Class Template Member(s) That Are Instantiated");
  const std::string partialInstances = h5("conf::Setting Partial Class Template Specialization Instance(s)");
  EXPECT_TRUE(inOrder(d.structural,
                      {partialHead, d.link("setting.h"),
                       frame("  14: template <typename T>\n  15: struct Setting<List<T>> {\n"),
                       partialMembers, frame("  16:     void add(T v) { items.push(v); }\n"),
                       partialInstances, w, partialHead, d.link("setting_ptr.h"),
                       frame("  3: template <typename T>\n  4: struct Setting<List<T*>> {\n"),
                       partialMembers, frame("  5:     void add(T* v) { items.push(v); }\n"),
                       partialInstances, p, h4("conf::Setting Primary Class Instantiation"), s}));
  // Pair<int, int> deduces T from both arguments; Pair<int, char> does not
  // fit Pair<T, T> and stays with the primary, whose key() is its member.
  EXPECT_TRUE(inOrder(d.structural, {h4("conf::Pair Class Template Member(s) That Are Instantiated"), key,
                                     h4("conf::Pair Partial Class Template Specialization"),
                                     h5("conf::Pair Partial Class Template Member(s) That Are Instantiated"),
                                     frame("  29:     T first() const { return a; }\n"),
                                     h5("conf::Pair Partial Class Template Specialization Instance(s)"),
                                     same, h4("conf::Pair Primary Class Instantiation"), mixed}));
  EXPECT_EQ(occurrences(d.structural, key), 1u);
}

// A template that is only declared, with two explicit specialisations.
TEST(ReportStructuralClasses, ExplicitSpecialisationsOfADeclaredTemplateAreListed) {
  const ModeDocuments d = bothModes("struct_cls_declared", kClassTemplates);
  EXPECT_TRUE(contains(d.plain, bold("No primary template classes.")));
  EXPECT_TRUE(containsNone(d.plain, {"<kxdf:h3>"}));
  // The declaration stands for the primary; both specialisations, their
  // members and the variable follow.
  EXPECT_TRUE(inOrder(d.structural,
              {h3("lib::constructor Primary Class Template"), d.link("ctor.h"),
               frame(" 4: template <kind K>\n 5: struct constructor;\n"), noPartials("lib::constructor"),
               h4("lib::constructor Explicit Class Template Specializations"),
               frame("   7: template <>\n   8: struct constructor<kind::number> {\n"),
               frame("  12: template <>\n  13: struct constructor<kind::text> {\n"),
               h5("lib::constructor Explicit Class Template Member(s) That Are Instantiated"),
               frame("   9:     static int make() { return 1; }\n"),
               frame("  14:     static int make() { return 2; }\n"),
               h5("lib::constructor Explicit Class Template Specialization Instance(s)"), d.link("main.cpp"),
               frame("  4:     lib::constructor<lib::kind::number> n;\n"), noInstances("lib::constructor")}));
  // lib::unused, declared without specialisations, is not listed.
  EXPECT_EQ(occurrences(d.structural, "<kxdf:h3>"), 1u);
}

// Member function templates of a class template and of an explicit
// specialisation (format<Context>), and a plain member of that
// specialisation (parse).
TEST(ReportStructuralClasses, MemberTemplatesAndExplicitMembersAreInstantiatedMembers) {
  const ModeDocuments d = bothModes("struct_cls_members", kClassTemplates);
  EXPECT_TRUE(containsNone(d.plain, {"Member(s) That Are Instantiated"}));
  EXPECT_TRUE(contains(d.plain, bold("No members of explicit class specialization text::formatter are "
                                     "instantiated.")));
  EXPECT_TRUE(inOrder(d.structural, {h3("text::Box Primary Class Template"),
                                     h4("text::Box Class Template Member(s) That Are Instantiated"),
                                     d.link("fmt.h"), frame("  22:     template <typename U>\n"
                                                            "  23:     void put(U u) { (void)u; }\n")}));
  // formatter<int> instantiates the primary's format, formatter<geo::Point>
  // its own; parse() belongs to the specialisation.
  const std::string pointFormat = frame(
      "  16:     template <typename Context>\n"
      "  17:     int format(const geo::Point& p, Context& ctx) const { return p.x + ctx.n; }\n");
  EXPECT_TRUE(inOrder(d.structural,
                      {h3("text::formatter Primary Class Template"),
                       h4("text::formatter Class Template Member(s) That Are Instantiated"),
                       frame("   7:     template <typename Context>\n"
                             "   8:     int format(const T& value, Context& ctx) const { return 0; }\n"),
                       h4("text::formatter Explicit Class Template Specialization"),
                       h5("text::formatter Explicit Class Template Member(s) That Are Instantiated"),
                       frame("  15:     int parse(int flags) { return flags; }\n"), pointFormat,
                       h5("text::formatter Explicit Class Template Specialization Instance(s)"),
                       frame("   5:     text::formatter<geo::Point> f;\n"),
                       h4("text::formatter Primary Class Instantiation"),
                       frame("   7:     text::formatter<int> g;\n")}));
  EXPECT_EQ(occurrences(d.structural, pointFormat), 1u);
}

// Specialisations of two templates whose primaries lie in a header without
// records: a partial one (tuple_size<lib::value<T>>, with a member and an
// instance) and an explicit one (hash<lib::kind>, with its call operator).
TEST(ReportStructuralClasses, SpecialisationsOfAnUnrecordedTemplateAreListed) {
  const ModeDocuments d = bothModes("struct_cls_unrecorded", kClassTemplates);
  for (const std::string* doc : {&d.plain, &d.structural})
    EXPECT_TRUE(contains(*doc, h3("lib::value Primary Class Template")));
  EXPECT_TRUE(containsNone(d.plain, {"sysx::"}));
  const std::string proxy = d.link("proxy.h");
  EXPECT_TRUE(inOrder(
      d.structural, {h3("sysx::hash Primary Class Template"),
                     text("The primary template sysx::hash is not in the analysed files."),
                     noPartials("sysx::hash"),
                     h4("sysx::hash Explicit Class Template Specialization"), proxy,
                     frame("  11: template <>\n  12: struct hash<lib::kind> {\n"),
                     h5("sysx::hash Explicit Class Template Member(s) That Are Instantiated"), proxy,
                     frame("  13:     int operator()(lib::kind k) const { return static_cast<int>(k); }\n"),
                     h5("sysx::hash Explicit Class Template Specialization Instance(s)"), d.link("main.cpp"),
                     frame("  4:     sysx::hash<lib::kind> h;\n"), noInstances("sysx::hash")}));
  EXPECT_TRUE(inOrder(
      d.structural, {h3("sysx::tuple_size Primary Class Template"),
                     text("The primary template sysx::tuple_size is not in the analysed files."),
                     h4("sysx::tuple_size Partial Class Template Specialization"), proxy,
                     frame("   7: template <typename T>\n   8: struct tuple_size<lib::value<T>> {\n"),
                     h5("sysx::tuple_size Partial Class Template Member(s) That Are Instantiated"),
                     frame("   9:     static int size() { return 2; }\n"),
                     h5("sysx::tuple_size Partial Class Template Specialization Instance(s)"),
                     frame("  5:     sysx::tuple_size<lib::value<int>> t;\n")}));
  // The unrecorded header itself is never shown.
  EXPECT_TRUE(containsNone(d.structural, {"traits.h"}));
}

// Members whose names the scope split and the fragment search get wrong
// without structural matching: operators whose symbol holds '>' (->, >)
// and a conversion function (operator bool, recorded as "bool@").
TEST(ReportStructuralClasses, OperatorAndConversionMembersAreInstantiatedMembers) {
  const ModeDocuments d = bothModes("struct_cls_operators", kClassTemplates);
  EXPECT_TRUE(containsNone(d.plain, {"operator-&gt;", "operator bool", "operator&gt;("}));
  EXPECT_TRUE(inOrder(d.structural, {h4("lib::ref Class Template Member(s) That Are Instantiated"), d.link("ref.h"),
                                     frame("   5:     T* operator->() const { return p; }\n"),
                                     frame("   6:     constexpr operator bool() const noexcept\n"),
                                     frame("  10:     bool operator>(const ref& o) const { return p > o.p; }\n"),
                                     h4("lib::ref Primary Class Instantiation")}));
}

// An explicit specialisation's member templates: make(T&, const char*) is
// instantiated, make(T&, int&&) is not.  Both are defined, so both are
// members of the specialisation, each listed once.
TEST(ReportStructuralClasses, DefinedMemberTemplatesOfAnExplicitSpecialisationAreListed) {
  const ModeDocuments d = bothModes("struct_cls_explicit_templates", kClassTemplates);
  EXPECT_TRUE(containsNone(d.plain, {"static void make"}));
  const std::string used = frame("   9:     template <typename T>\n"
                                 "  10:     static void make(T& out, const char* text) { out = text; }\n");
  EXPECT_TRUE(inOrder(d.structural,
                      {h5("lib::builder Explicit Class Template Member(s) That Are Instantiated"), used,
                       frame("  12:     template <typename T>\n"
                             "  13:     static void make(T& out, int&& moved) { out = moved; }\n"),
                       noInstances("lib::builder")}));
  EXPECT_EQ(occurrences(d.structural, used), 1u);
}

// A partial specialisation chosen through an enable_if argument: its name
// reads "void" for every instance, so the instances' own records tell
// conv<int> (from the partial) from conv<double> (from the primary).
TEST(ReportStructuralClasses, InstancesOfAnEnableIfPartialFollowTheirRecords) {
  const ModeDocuments d = bothModes("struct_cls_sfinae", kClassTemplates);
  EXPECT_TRUE(containsNone(d.plain, {"Specialization Instance(s)"}));
  const std::string partialTest = frame("  12:     static int test(T v) { return v; }\n");
  const std::string doubleVar = frame("  5:     lib::conv<double> d;\n");
  EXPECT_TRUE(inOrder(d.structural, {h4("lib::conv Class Template Member(s) That Are Instantiated"),
                                     frame("   7:     static int test(T) { return 0; }\n"),
                                     h4("lib::conv Partial Class Template Specialization"),
                                     h5("lib::conv Partial Class Template Member(s) That Are Instantiated"),
                                     partialTest,
                                     h5("lib::conv Partial Class Template Specialization Instance(s)"),
                                     frame("  4:     lib::conv<int> i;\n"),
                                     h4("lib::conv Primary Class Instantiation"), doubleVar}));
  EXPECT_EQ(occurrences(d.structural, partialTest), 1u);
  EXPECT_EQ(occurrences(d.structural, doubleVar), 1u);
}
