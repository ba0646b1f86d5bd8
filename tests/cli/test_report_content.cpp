// Template sections of small projects: none at all, and fragments holding
// XML's special characters and non-ASCII text.
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "test_report_support.h"

using namespace report_expect;

TEST(ReportContent, ProjectWithoutTemplatesSaysSo) {
  CliSandbox box;
  const std::string root = runFixture(box, "no_templates", reportArgs({"src/plain.cpp"}));
  EXPECT_EQ(outDoc(box, kClassTemplates),
            header() + h2("Class Template Usage") + bold("No primary template classes.") + eoln() + end());
  EXPECT_EQ(outDoc(box, kFunctionTemplates),
            header() + separator() + h2("Function Template Usage") +
                bold("No function template declarations.") + eoln() + end());
  EXPECT_EQ(outDoc(box, kFileList),
            header() + h3("List of Analysed Files") + fileList({root + "/src/plain.cpp (CMA file)"}) + end());
  // Nothing was linked, so nothing was copied.
  EXPECT_FALSE(box.exists("out/plain.cpp.txt"));
}

TEST(ReportContent, SpecialCharactersInFragmentsAreEscaped) {
  CliSandbox box;
  const std::string root = runFixture(box, "escaping", reportArgs({"src/esc.cpp"}));
  const std::string out = root + "/out", esc = root + "/src/esc.cpp";
  std::string expected = header() + h2("Class Template Usage");
  expected += h3("Wrap Primary Class Template") + link(esc, out) + eoln();
  expected += frame("1: template <typename T>\n2: struct Wrap { // \xc2\xab wrapper \xc2\xbb & co <T>\n") + eoln();
  expected += withoutSpecialisations("Wrap");
  expected += h4("Wrap Primary Class Instantiation") + link(esc, out) + eoln();
  expected += frame("  5: Wrap<int> w; // \xc3\xa9t\xc3\xa9 && \"<>\"\n") + eoln();
  expected += end();
  const std::string classes = outDoc(box, kClassTemplates);
  EXPECT_EQ(classes, expected);
  EXPECT_TRUE(contains(classes, "w; // \xc3\xa9t\xc3\xa9 &amp;&amp; \"&lt;&gt;\"\n"));
  for (const auto& name : documentNames()) EXPECT_TRUE(wellFormed(box.workPath("out/" + name)));
}

TEST(ReportContent, DefinitionsOfOneTemplateFollowTheMixedFileOrder) {
  CliSandbox box;
  const std::string root = runFixture(box, "mixed_order", {"ktlpp", "-op", "out", "-cmaf", "out/project.cma",
                                                          "src/u7.cpp", "src/t10.cpp", "src/u07.cpp", "src/t9.cpp"});
  // t9 before t10 by number; u07 and u7 are equal as numbers, so their
  // bytes decide.
  std::string expected = header() + h2("Class Template Usage") + h3("Cell Primary Class Template");
  for (const char* unit : {"t9", "t10", "u07", "u7"})
    expected += link(root + "/src/" + unit + ".cpp", root + "/out") + eoln() +
                frame("1: template <typename T>\n2: struct Cell { T v; };\n") + eoln();
  expected += withoutSpecialisations("Cell");
  expected += noInstances("Cell") + eoln();
  EXPECT_EQ(outDoc(box, kClassTemplates), expected + end());
}

// An explicit specialisation of a function template is no instantiation: the
// unit that only sees it in a header (and calls it) is not listed, the unit
// that instantiates the template is.
TEST(ReportContent, ExplicitFunctionSpecialisationIsNoInstantiation) {
  CliSandbox box;
  const std::string root = runFixture(box, "explicit_function_specialisation",
                                      {"ktlpp", "-op", "out", "-cmaf", "out/project.cma", "src/other.cpp", "src/user.cpp"});
  std::string expected = header() + separator() + h2("Function Template Usage");
  expected += h3("pick Function Template") + link(root + "/src/pick.h", root + "/out") + eoln();
  expected += frame("3: template <typename T>\n4: T pick(T a, T b) { return a < b ? b : a; }\n") + eoln();
  expected += h4("pick Function Template Instantiated In File(s)") +
              link(root + "/src/user.cpp", root + "/out") + eoln();
  EXPECT_EQ(outDoc(box, kFunctionTemplates), expected + end());
}
