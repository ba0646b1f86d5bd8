// The bundled example project: its report shows every kind of content of
// the two template sections.
#include <filesystem>

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "test_report_support.h"

using namespace report_expect;
namespace fs = std::filesystem;

TEST(ReportExample, EveryKindOfTemplateContentAppears) {
  CliSandbox box;
  const fs::path project = fs::path(TUK_TEST_DATA_DIR) / ".." / ".." / "examples" / "project";
  ASSERT_TRUE(fs::exists(project / "run.sh"));
  fs::copy(project, box.workDir(), fs::copy_options::recursive);
  // What run.sh does: the record files go to the report folder, and the
  // program runs in the project directory.
  const std::string report = fs::canonical(box.workDir()).string() + "/report";
  fs::create_directory(report);
  for (const auto& entry : fs::directory_iterator(box.workPath("out")))
    fs::copy_file(entry.path(), report + "/" + entry.path().filename().string());
  CliResult r = box.run({"ktlpp", "-via", "settings.via", "-op", report, "-cmaf",
                         report + "/project.cma", "-list", "files.lst"});
  ASSERT_EQ(r.status, 0) << r.err;

  const std::string classes = box.readFile("report/template_usage_class_templates.kxdf.xml");
  for (const std::string& wanted : {
           h3("lib::Box Primary Class Template"),
           h4("lib::Pair Partial Class Template Specializations"),
           h4("lib::Grid Partial Class Template Specialization"),
           h4("lib::Box Explicit Class Template Specializations"),
           h4("lib::Pair Explicit Class Template Specialization"),
           h4("lib::Box Primary Class Instantiations"),
           h4("lib::unnamed namespace::Helper Primary Class Instantiation"),
           h4("lib::Box Class Template Member(s) That Are Instantiated"),
           h5("lib::Pair Partial Class Template Member(s) That Are Instantiated"),
           h5("lib::Box Explicit Class Template Member(s) That Are Instantiated"),
           bold("There are no partial class template specializations of template class lib::Box."),
           bold("There are no explicit class template specializations of template class lib::Grid."),
           bold("There are no primary class instantiations of template class lib::Unused."),
           bold("No members of explicit class specialization lib::Pair are instantiated."),
           bold("No members of partial class specialization lib::Grid are instantiated."),
       })
    EXPECT_NE(classes.find(wanted), std::string::npos) << wanted;
  // A template defined in two units: one heading.
  EXPECT_EQ(classes.find(h3("Tally Primary Class Template")),
            classes.rfind(h3("Tally Primary Class Template")));

  const std::string functions = box.readFile("report/template_usage_function_templates.kxdf.xml");
  for (const std::string& wanted : {
           h3("lib::clampTo Function Template"),
           h3("lib::maxOf Overloaded Function Templates"),
           h4("geo::area Function Template Instantiated In File(s)"),
           bold("No instantiations of function template lib::neverUsed."),
       })
    EXPECT_NE(functions.find(wanted), std::string::npos) << wanted;

  const std::string files = box.readFile("report/template_usage_list_of_analysed_files.kxdf.xml");
  EXPECT_NE(files.find("/project.cma (CMA file)</kxdf:filename>\n</kxdf:file_list>"),
            std::string::npos);
  EXPECT_EQ(files.find("log.h"), std::string::npos);
  for (const auto& name : documentNames()) EXPECT_TRUE(wellFormed(report + "/" + name));
}
