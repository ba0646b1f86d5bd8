// The program's start-up behaviour as a user sees it: switches, help,
// configuration errors and file/option combinations (fatal signals: see
// test_record_file_kinds.cpp).
#include <filesystem>

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace {

const std::string kUsage =
    "usage: \n"
    "standard.kxdf.generator <product> -cmaf <file> [options...] f1...fn\n"
    "standard.kxdf.generator <product> -cmaf <file> [options...] -list filelist\n";

const char* const kTraceFile = "template_usage.kxdf.generator.trace";


}  // namespace

TEST(CliEntry, StartUpErrorsEndWithStatus10AndTheUsage) {
  const std::string single = "ERROR: Single file analysis must have exactly one input file.\n\n";
  struct Case {
    std::vector<std::string> args;
    bool withoutBin;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{}, false, "ERROR: No product name specified.\n"},
      {{"ktlppx", "a.c"}, false, "ERROR: Invalid product name specified.\n"},
      {{"ktlpp", "a.c"}, true, "\nERROR: KTLPPBIN environment variable not found\n"},
      {{"ktlpp", "a.c", "b.c"}, false, single},
      {{"ktlpp"}, false, single},
      {{"ktlpp", "-cmaf", "p.cmaf"}, false, "ERROR: Multi file analysis requires at least one input file.\n\n"},
      {{"ktlpp", "-cmaf=", "a.c"}, false, "ERROR: CrossModuleAnalysisFile (cmaf) must specify a filename\n\n"},
      // The report goes beside that file: not into /dev, nor beside a directory.
      {{"ktlpp", "-cmaf", "/dev/null", "a.c"}, false,
       "ERROR: CrossModuleAnalysisFile (cmaf) must name a regular file: /dev/null\n\n"},
      {{"ktlpp", "-cmaf", ".", "a.c"}, false, "ERROR: CrossModuleAnalysisFile (cmaf) must name a regular file: .\n\n"},
  };
  for (const Case& c : cases) {
    CliSandbox box;
    if (c.withoutBin) box.unsetEnv("KTLPPBIN");
    CliResult r = box.run(c.args);
    EXPECT_EQ(r.status, 10) << c.message;
    EXPECT_EQ(r.err, c.message + kUsage);
    EXPECT_EQ(r.out, "");
  }
}

TEST(CliEntry, VersionSwitchAnswersBeforeAnyCheck) {
  CliSandbox box;
  box.unsetEnv("KTLPPBIN");  // not even the environment is looked at
  const std::vector<std::vector<std::string>> runs = {
      {"-ver"}, {"ktlpp", "a.c", "-ver"}, {"nosuchproduct", "-ver", "-help"}, {"-trace", "-ver"}};
  for (const auto& args : runs) {
    EXPECT_FALSE(box.exists(kTraceFile)) << "only -trace writes a trace file";
    CliResult r = box.run(args);
    EXPECT_EQ(r.status, 0) << args.size();
    EXPECT_EQ(r.out, "template_usage.kxdf.generator version 1.0\n");
    EXPECT_EQ(r.err, "");
  }
  ASSERT_TRUE(box.exists(kTraceFile));
  EXPECT_EQ(box.readFile(kTraceFile), "");
}

TEST(CliEntry, HelpPrintsBannerOnceReturnCodesOptionsAndUsage) {
  CliSandbox box;
  CliResult r = box.run({"ktlpp", "-help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, kUsage);
  // The two banner lines, the return codes and options, the report's line.
  const std::vector<std::string> lines = splitLines(r.out);
  ASSERT_GE(lines.size(), 4u) << r.out;
  EXPECT_EQ(lines[0].rfind("Template Usage KXDF Generator 1.0 ", 0), 0u) << lines[0];
  EXPECT_EQ(lines[2], "Return codes: ");
  EXPECT_NE(r.out.find("\nOptions:\n"), std::string::npos);
  EXPECT_EQ(lines.back(), "Template Usage Report has no specific parameters.");
  EXPECT_FALSE(box.exists(kTraceFile));

  // -VER is not the exact switch, so the run goes on; it, the version option
  // and the help all want the banner, which is printed once.  The product
  // may be given as a path.
  r = box.run({"/any/where/ktlpp", "-VER", "-version", "-help"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Template Usage KXDF Generator ", 0), 0u) << r.out;
  EXPECT_EQ(r.out.find("Template Usage KXDF Generator ", 1), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Template Usage Report has no specific parameters.\n"), std::string::npos);
}

TEST(CliEntry, CompleteRunReportsUnreadableRecordFiles) {
  CliSandbox box;
  box.writeFile("a.c", "int a;\n");
  box.writeFile("b.c", "int b;\n");
  box.writeFile("p.cmaf", "");
  box.writeFile("c.c", "int c;\n");
  box.writeFile("out/a.c.met", "");  // b.c has no record file, nor has p.cmaf
  // A directory in place of c.c's record file opens but cannot be read.
  std::filesystem::create_directories(box.workPath("out/c.c.met"));
  // A device in place of d.c's opens, but would be read without end (the
  // message names the file a link leads to, as for every file name).
  box.writeFile("d.c", "int d;\n");
  std::filesystem::create_symlink("/dev/zero", box.workPath("out/d.c.met"));
  const std::string work = std::filesystem::canonical(box.workDir()).string();

  // Simple text output shows the driver's diagnostics on standard output.
  CliResult r = box.run(
      {"ktlpp", "-op", "out", "-deb", "simpleoutput", "-cmaf", "p.cmaf", "a.c", "b.c", "c.c", "d.c"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, work + "/p.cmaf:1: Msg=1540 #params=1 {" + work + "/out/b.c.met}\n" + work +
                       "/p.cmaf:1: Msg=1540 #params=1 {" + work + "/out/c.c.met}\n" + work +
                       "/p.cmaf:1: Msg=1540 #params=1 {/dev/zero}\n");

  // By default the diagnostic goes to the error file of the output source.
  CliResult quiet = box.run({"ktlpp", "-op", "out", "-cmaf", "p.cmaf", "a.c", "b.c"});
  EXPECT_EQ(quiet.status, 0) << quiet.err;
  EXPECT_EQ(quiet.out, "");
  EXPECT_TRUE(box.exists("p.cmaf.err"));
}
