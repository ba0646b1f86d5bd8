// The report switches "structural_match" and "omit_system_headers": each
// run in both modes, so the default output is known to stay as it was.
#include <gtest/gtest.h>

#include "test_report_support.h"

using namespace report_expect;

namespace {

const std::vector<std::string> kProjectArgs = {
    "ktlpp", "-op", "out", "-cmaf", "out/project.cma", "-po",
    "mxo::report_type=Template Usage Report", "src/a.cpp", "src/b.cpp", "src/c.cpp"};

std::string settingsDocument(const std::string& lines) {
  return header() + h3("Report Settings") + "<kxdf:verbatim>\n" + lines + "</kxdf:verbatim>\n" +
         end();
}

}  // namespace

// sysinc/cstddef, included only through "S" include records, is left out
// (the project report test shows it listed by default).
TEST(ReportStructural, SystemHeadersLeftOutOnlyWhenAsked) {
  CliSandbox box;
  const std::string root = runFixture(box, "ex2_headers_cmaf", with(kProjectArgs, "mxo::omit_system_headers"));
  EXPECT_EQ(outDoc(box, kFileList),
            header() + h3("List of Analysed Files") +
                fileList({root + "/src/a.cpp", root + "/src/b.cpp", root + "/src/c.cpp",
                          root + "/src/geo/detail/store.h", root + "/src/geo/shapes.h", root + "/src/log.h",
                          root + "/out/project.cma (CMA file)"}) + end());
  EXPECT_EQ(box.readFile("out/template_usage_report_settings.kxdf.xml"),
            settingsDocument("Omit System Headers: true\n"));
}

TEST(ReportStructural, SwitchesAreListedAndTheLastOneGivenWins) {
  CliSandbox box;
  installFixture(box, "ex2_headers_cmaf");
  // with() puts each option first: structural_match+ is given last.
  CliResult r = box.run(with(with(with(kProjectArgs, "mxo::structural_match+"),
                                   "mxo::omit_system_headers-"),
                              "mxo::structural_match-"));
  ASSERT_EQ(r.status, 0) << r.err;
  // The later "+" of structural_match counts; omit_system_headers stays off.
  EXPECT_EQ(box.readFile("out/template_usage_report_settings.kxdf.xml"),
            settingsDocument("Structural Matching: true\n"));
}

TEST(ReportStructural, ASwitchGivenAValueIsAConfigurationError) {
  for (const char* option : {"mxo::structural_match=1", "mxo::omit_system_headers yes",
                             "mxo::structural_match-x"}) {
    CliSandbox box;
    installFixture(box, "ex2_headers_cmaf");
    CliResult r = box.run(with(kProjectArgs, option));
    EXPECT_EQ(r.status, 10) << option;
    EXPECT_TRUE(contains(r.err, "is a switch"));
  }
}

// ">>" closing two argument lists, a namespace macro and a documentation
// comment above a declaration; specialisation fragments are indented.
TEST(ReportStructural, FragmentsEndAtTheirBodyAndStartAtTheDeclaration) {
  const ModeDocuments d = bothModes("struct_fragments", kClassTemplates);
  const std::string partial = "  18: template <typename T>\n  19: struct is_contiguous<Buffer<T>> {};\n";
  EXPECT_TRUE(contains(d.structural, frame(partial)));
  EXPECT_TRUE(contains(d.plain, frame(partial + "  20: \n  21: LIB_END_NAMESPACE\n  22: #endif\n")));
  const std::string primary = "10: template <typename T>\n11: struct Buffer {\n";
  EXPECT_TRUE(contains(d.structural, frame(primary)));
  EXPECT_TRUE(contains(d.plain, frame(" 4: LIB_BEGIN_NAMESPACE\n 5: /**\n 6:  * A buffer with inline storage.\n"
                                      " 7:  *\n 8:  * Grows on the heap.\n 9:  */\n" + primary)));
}

// A variable of an instance whose argument is a qualified name, and the
// member get(), instantiated only for the std::string instance.
TEST(ReportStructural, QualifiedArgumentsFindTheirTemplate) {
  const ModeDocuments d = bothModes("struct_qualified", kClassTemplates);
  const std::string level = frame("  4: conf::Setting<int> level;\n");
  EXPECT_TRUE(contains(d.plain, level));
  EXPECT_TRUE(contains(d.structural, level));
  for (const std::string& part : {frame("  5: conf::Setting<std::string> mode;\n"),
                                  h4("conf::Setting Class Template Member(s) That Are Instantiated"),
                                  frame("  5:     T get() const { return value; }\n")})
    EXPECT_TRUE(containsNone(d.plain, {part}) && contains(d.structural, part)) << d.plain << d.structural;
}

// operator<, operator<= and operator<< templates: one group each, with its
// own instantiating file or none.
TEST(ReportStructural, OperatorTemplatesAreGroupedByTheirOperator) {
  const ModeDocuments d = bothModes("struct_operators", kFunctionTemplates);
  // The text key strips the operators' "<": one group for all three.
  EXPECT_EQ(occurrences(d.plain, "<kxdf:h3>"), 1u) << d.plain;
  EXPECT_EQ(occurrences(d.plain, h3("lib::operator<< Overloaded Function Templates")), 1u) << d.plain;
  EXPECT_EQ(occurrences(d.structural, "<kxdf:h3>"), 3u) << d.structural;
  EXPECT_TRUE(inOrder(d.structural, {h3("lib::operator<< Function Template"),
                                     h4("lib::operator<< Function Template Instantiated In File(s)"),
                                     h3("lib::operator<= Function Template"),
                                     bold("No instantiations of function template lib::operator<=."),
                                     h3("lib::operator< Function Template"),
                                     h4("lib::operator< Function Template Instantiated In File(s)")}));
}

// Member function templates of a class template and of its explicit
// specialisation: their names interleave in the byte order of the
// definitions, so the text grouping gives each heading twice.
TEST(ReportStructural, NoFunctionTemplateHeadingTwice) {
  const ModeDocuments d = bothModes("struct_headings", kFunctionTemplates);
  for (const char* name : {"lib::F::parse", "lib::F::format"}) {
    EXPECT_EQ(occurrences(d.plain, h3(name + std::string(" Function Template"))), 2u) << d.plain;
    EXPECT_EQ(occurrences(d.structural, h3(name + std::string(" Overloaded Function Templates"))), 1u);
  }
  EXPECT_EQ(occurrences(d.plain, "<kxdf:h3>"), 4u);
  EXPECT_EQ(occurrences(d.structural, "<kxdf:h3>"), 2u) << d.structural;
  // Both overloads of parse, lines 4 and 9, under the one heading.
  EXPECT_TRUE(inOrder(d.structural, {h3("lib::F::parse Overloaded Function Templates"),
                                     "4:   template &lt;typename C&gt; int parse",
                                     "9:   template &lt;typename C&gt; int parse"}));
}

// Variables of instances of templates with a parameter pack: Tuple<Ts...>
// with three and no arguments, Head<T, Rest...> with three.
TEST(ReportStructural, PacksMatchAnyNumberOfArguments) {
  const ModeDocuments d = bothModes("struct_packs", kClassTemplates);
  const std::string t0 = frame("  6: Tuple<> t0;\n"), t3 = frame("  5: Tuple<int, char, long> t3;\n"),
                    head = frame("  7: Head<int, char, double> h;\n");
  EXPECT_TRUE(containsAll(d.structural, {t0, t3, head}));
  EXPECT_TRUE(contains(d.plain, t0));
  EXPECT_TRUE(containsNone(d.plain, {t3, head}));
}
