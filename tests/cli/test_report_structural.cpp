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

TEST(ReportStructural, SystemHeadersLeftOutOnlyWhenAsked) {
  for (const bool omit : {false, true}) {
    CliSandbox box;
    const std::string root = installFixture(box, "ex2_headers_cmaf");
    CliResult r = box.run(omit ? with(kProjectArgs, "mxo::omit_system_headers") : kProjectArgs);
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> files = {root + "/src/a.cpp", root + "/src/b.cpp",
                                      root + "/src/c.cpp", root + "/src/geo/detail/store.h",
                                      root + "/src/geo/shapes.h", root + "/src/log.h"};
    // sysinc/cstddef is included only through "S" include records.
    if (!omit) files.push_back(root + "/sysinc/cstddef");
    files.push_back(root + "/out/project.cma (CMA file)");
    EXPECT_EQ(outDoc(box, kFileList),
              header() + h3("List of Analysed Files") + fileList(files) + end())
        << "omit=" << omit;
    EXPECT_EQ(box.readFile("out/template_usage_report_settings.kxdf.xml"),
              settingsDocument(omit ? "Omit System Headers: true\n" : ""));
  }
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
// comment above a declaration.
TEST(ReportStructural, FragmentsEndAtTheirBodyAndStartAtTheDeclaration) {
  for (const bool structural : {false, true}) {
    const std::string doc = unitDocument("struct_fragments", kClassTemplates, structural);
    // Specialisation fragments are indented by two spaces.
    const std::string partial = structural
        ? frame("  18: template <typename T>\n  19: struct is_contiguous<Buffer<T>> {};\n")
        : frame("  18: template <typename T>\n  19: struct is_contiguous<Buffer<T>> {};\n"
                "  20: \n  21: LIB_END_NAMESPACE\n  22: #endif\n");
    EXPECT_TRUE(has(doc, partial)) << doc;
    const std::string primary = structural
        ? frame("10: template <typename T>\n11: struct Buffer {\n")
        : frame(" 4: LIB_BEGIN_NAMESPACE\n 5: /**\n 6:  * A buffer with inline storage.\n"
                " 7:  *\n 8:  * Grows on the heap.\n 9:  */\n10: template <typename T>\n"
                "11: struct Buffer {\n");
    EXPECT_TRUE(has(doc, primary)) << doc;
  }
}

// A variable of an instance whose argument is a qualified name, and the
// member instantiated for it.
TEST(ReportStructural, QualifiedArgumentsFindTheirTemplate) {
  for (const bool structural : {false, true}) {
    const std::string doc = unitDocument("struct_qualified", kClassTemplates, structural);
    EXPECT_TRUE(has(doc, frame("  4: conf::Setting<int> level;\n"))) << doc;
    EXPECT_EQ(has(doc, frame("  5: conf::Setting<std::string> mode;\n")), structural) << doc;
    // get() is instantiated only for the std::string instance.
    EXPECT_EQ(has(doc, h4("conf::Setting Class Template Member(s) That Are Instantiated")), structural);
    EXPECT_EQ(has(doc, frame("  5:     T get() const { return value; }\n")), structural) << doc;
  }
}

// operator<, operator<= and operator<< templates: one group each, with its
// own instantiating file or none.
TEST(ReportStructural, OperatorTemplatesAreGroupedByTheirOperator) {
  for (const bool structural : {false, true}) {
    const std::string doc = unitDocument("struct_operators", kFunctionTemplates, structural);
    if (!structural) {
      // The text key strips the operators' "<": one group for all three.
      EXPECT_EQ(occurrences(doc, "<kxdf:h3>"), 1u) << doc;
      EXPECT_EQ(occurrences(doc, h3("lib::operator<< Overloaded Function Templates")), 1u) << doc;
      continue;
    }
    EXPECT_EQ(occurrences(doc, "<kxdf:h3>"), 3u) << doc;
    EXPECT_TRUE(inOrder(doc, {h3("lib::operator<< Function Template"),
                            h4("lib::operator<< Function Template Instantiated In File(s)"),
                            h3("lib::operator<= Function Template"),
                            bold("No instantiations of function template lib::operator<=."),
                            h3("lib::operator< Function Template"),
                            h4("lib::operator< Function Template Instantiated In File(s)")}));
  }
}

// Member function templates of a class template and of its explicit
// specialisation: their names interleave in the byte order of the
// definitions, so the text grouping gives each heading twice.
TEST(ReportStructural, NoFunctionTemplateHeadingTwice) {
  for (const bool structural : {false, true}) {
    const std::string doc = unitDocument("struct_headings", kFunctionTemplates, structural);
    const std::string kind = structural ? " Overloaded Function Templates" : " Function Template";
    EXPECT_EQ(occurrences(doc, h3("lib::F::parse" + kind)), structural ? 1u : 2u) << doc;
    EXPECT_EQ(occurrences(doc, h3("lib::F::format" + kind)), structural ? 1u : 2u) << doc;
    EXPECT_EQ(occurrences(doc, "<kxdf:h3>"), structural ? 2u : 4u) << doc;
    // Both overloads of parse, lines 4 and 9, under the one heading.
    if (structural) {
      EXPECT_TRUE(inOrder(doc, {h3("lib::F::parse" + kind), "4:   template &lt;typename C&gt; int parse",
                              "9:   template &lt;typename C&gt; int parse"}));
    }
  }
}

// Variables of instances of templates with a parameter pack: Tuple<Ts...>
// with three and no arguments, Head<T, Rest...> with three.
TEST(ReportStructural, PacksMatchAnyNumberOfArguments) {
  for (const bool structural : {false, true}) {
    const std::string doc = unitDocument("struct_packs", kClassTemplates, structural);
    EXPECT_TRUE(has(doc, frame("  6: Tuple<> t0;\n"))) << doc;
    EXPECT_EQ(has(doc, frame("  5: Tuple<int, char, long> t3;\n")), structural) << doc;
    EXPECT_EQ(has(doc, frame("  7: Head<int, char, double> h;\n")), structural) << doc;
  }
}
