// The complete report of a single-file project whose header has a long
// comment, tabs, multi-line declarations, preprocessor lines and a member
// made by a macro.
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "test_report_support.h"

using namespace report_expect;

namespace {

const std::vector<std::string> kArgs = reportArgs({"src/main.cpp"});

std::string classDocument(const std::string& root) {
  const std::string out = root + "/out", ring = root + "/src/ring.h", main = root + "/src/main.cpp";
  std::string d = header() + h2("Class Template Usage");
  d += h3("ring::Ring Primary Class Template") + link(ring, out) + eoln();
  d += frame(" 78: template <class T,\n 79: \t  int N = 4>\n 80: class Ring\n") + eoln();
  d += h4("ring::Ring Class Template Member(s) That Are Instantiated") + link(ring, out) + eoln();
  d += frame("   83: \tRing() : head(0) {}\n") + eoln();
  d += frame("   84: \tT&\toperator[](int i) { return items[(head + i) % N]; }\n") + eoln();
  d += frame("   85: \tT\tfront() const\n") + eoln();
  d += eoln();  // get_head comes from a macro: no fragment, no frame
  d += withoutSpecialisations("ring::Ring");
  d += h4("ring::Ring Primary Class Instantiations") + link(main, out) + eoln();
  d += frame("   5: \tring::Ring<int, 4> r;\t// a ring of four\n") + eoln();
  d += frame("   8: \t   lines: */ ring::Ring<double, 4>\n   9: \t\twide;\n") + eoln();
  d += h3("ring::Slot Primary Class Template") + link(ring, out) + eoln();
  d += frame("112: template <class T>\n113: struct Slot\n") + eoln();
  d += withoutSpecialisations("ring::Slot");
  d += noInstances("ring::Slot") + eoln();
  return d + end();
}

std::string functionDocument(const std::string& root) {
  const std::string out = root + "/out", ring = root + "/src/ring.h", main = root + "/src/main.cpp";
  std::string d = header() + separator() + h2("Function Template Usage");
  d += h3("ring::sum Function Template") + link(ring, out) + eoln();
  d += frame(" 98: template <class T>\n 99: T sum(const T* first,\n100: #ifdef RING_COUNTED\n"
             "101:       int count,\n102: #endif\n103:       const T* last)\n") +
       eoln();
  d += h4("ring::sum Function Template Instantiated In File(s)") + link(main, out) + eoln();
  return d + end();
}

}  // namespace

TEST(ReportLayout, AllSevenDocumentsAndTheTraceOfASingleFileRun) {
  CliSandbox box;
  const std::string root = installFixture(box, "ex3_layout");
  CliResult r = box.run(reportArgs({"src/main.cpp", "-trace"}));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(outDoc(box, kClassTemplates), classDocument(root));
  EXPECT_EQ(outDoc(box, kFunctionTemplates), functionDocument(root));
  EXPECT_EQ(box.readFile("out/template_usage_analysis_of_c++_templates.kxdf.xml"),
            analysisSummaryDocument());
  // In a single-file run the input file is the run's output source and is
  // listed last, as the cross-module analysis file.
  EXPECT_EQ(outDoc(box, kFileList),
            header() + h3("List of Analysed Files") +
                fileList({root + "/src/ring.h", root + "/src/main.cpp (CMA file)"}) + end());
  EXPECT_EQ(box.readFile("out/template_usage_report_settings.kxdf.xml"), reportSettingsDocument());
  EXPECT_EQ(box.readFile("out/template_usage_kxdf_generator_info.kxdf.xml"), generatorDocument());

  const std::string options = outDoc(box, kOptions);
  EXPECT_EQ(options.rfind(header() + h3("Analysis Options") + "<kxdf:verbatim>\n", 0), 0u);
  EXPECT_TRUE(contains(options, "\n-outputpath              out\n"));
  // The one report option stays: it is the first value of its line.
  EXPECT_TRUE(contains(options, "\n-prodoption              mxo::report_type=Template Usage Report\n"));
  const std::string tail = "\n</kxdf:verbatim>\n</kxdf:section>\n";
  ASSERT_GT(options.size(), tail.size());
  EXPECT_EQ(options.substr(options.size() - tail.size()), tail);
  // The temporary settings file is removed again.
  EXPECT_FALSE(box.exists("out/xmlreports_setting_tmp"));

  for (const auto& name : documentNames()) EXPECT_TRUE(wellFormed(box.workPath("out/" + name)));
  // Every linked file has its numbered copy.
  EXPECT_TRUE(box.exists("out/ring.h.txt"));
  EXPECT_TRUE(box.exists("out/main.cpp.txt"));

  // The trace names each report step and each document it opens.
  const std::string outDir = root + "/out/";
  EXPECT_EQ(box.readFile("template_usage.kxdf.generator.trace"),
            "Calling ReportOptions::getOptions().parseOptions()\n"
            "Registering Marshal_report::do_all\n"
            "Calling FileList::getHeaderAndCMAFiles()\n"
            "Calling Template_Usage_Generate::generate()\n"
            "Opening: " + outDir + "template_usage_class_templates.kxdf.xml\n"
            "Opening: " + outDir + "template_usage_function_templates.kxdf.xml\n"
            "Calling Template_Usage_Appendix::writeTemplate_Usage_Appendix()\n"
            "Opening: " + outDir + "template_usage_analysis_of_c++_templates.kxdf.xml\n"
            "Opening: " + outDir + "template_usage_list_of_analysed_files.kxdf.xml\n"
            "Opening: " + outDir + "template_usage_personality_options.kxdf.xml\n"
            "Calling ReportOptionsSection::writePersonSettings()\n"
            "Opening: " + outDir + "template_usage_report_settings.kxdf.xml\n"
            "Calling ReportOptionsSection::writeTemplate_Usage_ReportOptions()\n"
            "Calling Template_Usage_KxdfGeneratorSection::"
            "writeTemplate_Usage_KxdfGeneratorSection()\n"
            "Opening: " + outDir + "template_usage_kxdf_generator_info.kxdf.xml\n"
            "Finished\n");
}

TEST(ReportLayout, DefaultReportTypeKeepsTheAppendixPlaceholders) {
  CliSandbox box;
  const std::string root = runFixture(box, "ex3_layout", {"ktlpp", "-op", "out", "src/main.cpp"});
  EXPECT_EQ(outDoc(box, kClassTemplates), classDocument(root));
  EXPECT_EQ(outDoc(box, kFunctionTemplates), functionDocument(root));
  for (size_t i = 2; i < 6; ++i)
    EXPECT_EQ(box.readFile("out/" + documentNames()[i]), placeholder()) << documentNames()[i];
  EXPECT_EQ(box.readFile("out/template_usage_kxdf_generator_info.kxdf.xml"), generatorDocument());
}

TEST(ReportLayout, OtherProductsKeepTheTemplatePlaceholders) {
  CliSandbox box;
  std::filesystem::copy_file(std::filesystem::path(TUK_PRODUCT_CONFIG_DIR) / "ktl.cfg", box.binDir() + "/ktl.cfg");
  box.setEnv("KTLBIN", box.binDir());
  std::vector<std::string> args = kArgs;
  args[0] = "ktl";
  runFixture(box, "ex3_layout", args);
  EXPECT_EQ(outDoc(box, kClassTemplates), placeholder());
  EXPECT_EQ(outDoc(box, kFunctionTemplates), placeholder());
  EXPECT_EQ(box.readFile("out/template_usage_analysis_of_c++_templates.kxdf.xml"),
            analysisSummaryDocument());
  EXPECT_EQ(box.readFile("out/template_usage_report_settings.kxdf.xml"), reportSettingsDocument());
  EXPECT_EQ(box.readFile("out/template_usage_kxdf_generator_info.kxdf.xml"), generatorDocument());
}

TEST(ReportLayout, ASectionDocumentThatCannotBeCreatedEndsTheRun) {
  CliSandbox box;
  const std::string root = installFixture(box, "ex3_layout");
  std::filesystem::create_directory(box.workPath("out/template_usage_report_settings.kxdf.xml"));
  CliResult r = box.run(kArgs);
  EXPECT_EQ(r.status, 10);
  EXPECT_EQ(r.err, "cannot open file " + root + "/out/template_usage_report_settings.kxdf.xml\n");
  // The documents before it were created as placeholders.
  EXPECT_EQ(outDoc(box, kClassTemplates), placeholder());
}
