// The program's start-up behaviour as a user sees it: switches, help,
// configuration errors, file/option combinations and fatal signals.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <thread>

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace {

const std::string kUsage =
    "usage: \n"
    "standard.kxdf.generator <product> -cmaf <file> [options...] f1...fn\n"
    "standard.kxdf.generator <product> -cmaf <file> [options...] -list filelist\n";

const char* const kTraceFile = "template_usage.kxdf.generator.trace";

const std::vector<std::string> kHelpLines = {
    "Return codes: ",
    "  0  No Error",
    "  10  Configuration error - KTLBIN or KTLPPBIN not set",
    "  10  Configuration error - No source files specified",
    "  10  Configuration error - Product specified is not KTL or KTLPP",
    "  19  Program termination - Caught an exception",
    "",
    "Options:",
    "  <product> ktlpp",
    "  -list <list of source files, normally %L>",
    "  -via <list of settings, normally %P>",
    "  -po \"mxo::report_type=Template Usage Report\"",
    "  -trace",
    "  -help",
};

int countBannerLines(const std::string& out) {
  int n = 0;
  for (const auto& line : splitLines(out))
    if (line.rfind("Template Usage KXDF Generator ", 0) == 0) ++n;
  return n;
}

}  // namespace

TEST(CliEntry, NoArgumentsNamesTheMissingProduct) {
  CliSandbox box;
  CliResult r = box.run({});
  EXPECT_EQ(r.status, 10);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "ERROR: No product name specified.\n" + kUsage);
}

TEST(CliEntry, VersionSwitchAnswersBeforeAnyCheck) {
  CliSandbox box;
  box.unsetEnv("KTLPPBIN");  // not even the environment is looked at
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"-ver"}, {"ktlpp", "a.c", "-ver"}, {"nosuchproduct", "-ver", "-help"}}) {
    CliResult r = box.run(args);
    EXPECT_EQ(r.status, 0) << args.size();
    EXPECT_EQ(r.out, "template_usage.kxdf.generator version 1.0\n");
    EXPECT_EQ(r.err, "");
  }
  EXPECT_FALSE(box.exists(kTraceFile));
}

TEST(CliEntry, TraceWithVersionLeavesAnEmptyTraceFile) {
  CliSandbox box;
  CliResult r = box.run({"-trace", "-ver"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "template_usage.kxdf.generator version 1.0\n");
  ASSERT_TRUE(box.exists(kTraceFile));
  EXPECT_EQ(box.readFile(kTraceFile), "");
}

TEST(CliEntry, HelpPrintsBannerReturnCodesOptionsAndUsage) {
  CliSandbox box;
  CliResult r = box.run({"ktlpp", "-help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, kUsage);
  const std::vector<std::string> lines = splitLines(r.out);
  ASSERT_EQ(lines.size(), 2 + kHelpLines.size() + 1) << r.out;
  EXPECT_TRUE(std::regex_match(lines[0], std::regex("Template Usage KXDF Generator 1\\.0 "
                                                    "[A-Z][a-z][a-z] [ 1-3][0-9] [0-9]{4} for Unix")))
      << lines[0];
  EXPECT_NE(lines[1].find("Halcyra"), std::string::npos) << lines[1];
  for (size_t i = 0; i < kHelpLines.size(); ++i) EXPECT_EQ(lines[2 + i], kHelpLines[i]);
  EXPECT_EQ(lines.back(), "Template Usage Report has no specific parameters.");
  EXPECT_FALSE(box.exists(kTraceFile));
}

TEST(CliEntry, BannerIsPrintedOnceAndProductMayBeAPath) {
  CliSandbox box;
  // -VER is not the exact switch, so the run goes on; it, the version
  // option and the help all want the banner.
  CliResult r = box.run({"/any/where/ktlpp", "-VER", "-version", "-help"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(countBannerLines(r.out), 1) << r.out;
  EXPECT_NE(r.out.find("Template Usage Report has no specific parameters.\n"), std::string::npos);
}

TEST(CliEntry, ProductAndEnvironmentErrors) {
  CliSandbox box;
  CliResult invalid = box.run({"ktlppx", "a.c"});
  EXPECT_EQ(invalid.status, 10);
  EXPECT_EQ(invalid.err, "ERROR: Invalid product name specified.\n" + kUsage);

  box.unsetEnv("KTLPPBIN");
  CliResult noBin = box.run({"ktlpp", "a.c"});
  EXPECT_EQ(noBin.status, 10);
  EXPECT_EQ(noBin.err, "\nERROR: KTLPPBIN environment variable not found\n" + kUsage);
  EXPECT_EQ(noBin.out, "");
}

TEST(CliEntry, FileAndCrossModuleOptionCombinations) {
  CliSandbox box;
  const std::string single = "ERROR: Single file analysis must have exactly one input file.\n\n";
  const std::string multi = "ERROR: Multi file analysis requires at least one input file.\n\n";
  const std::string noName = "ERROR: CrossModuleAnalysisFile (cmaf) must specify a filename\n\n";
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"ktlpp", "a.c", "b.c"}, single},
      {{"ktlpp"}, single},
      {{"ktlpp", "-cmaf", "p.cmaf"}, multi},
      {{"ktlpp", "-cmaf=", "a.c"}, noName},
  };
  for (const Case& c : cases) {
    CliResult r = box.run(c.args);
    EXPECT_EQ(r.status, 10) << c.message;
    EXPECT_EQ(r.err, c.message + kUsage);
    EXPECT_EQ(r.out, "");
  }
}

// A run that waits for input nobody gives: the error file its diagnostics
// are appended to is a FIFO, which the run opens and reads (for the file's
// format) before any record is read.  Once the program has opened it (our
// non-blocking open for writing succeeds only while a reader is there) its
// handlers are installed, and it blocks reading until the signal comes.
TEST(CliEntry, FatalSignalsEndTheRunWithStatus19) {
  for (int sig : {SIGTERM, SIGSEGV}) {
    CliSandbox box;
    box.writeFile("a.c", "int main() { return 0; }\n");
    std::filesystem::create_directories(box.workPath("out"));
    const std::string fifo = box.workPath("out/a.c.err");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    pid_t pid = box.start({"ktlpp", "-op", "out", "a.c"});
    int writer = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (writer < 0 && std::chrono::steady_clock::now() < deadline) {
      writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (writer >= 0) ::kill(pid, sig);
    CliResult r = box.finish(pid, 30);
    if (writer >= 0) ::close(writer);
    ASSERT_GE(writer, 0) << "the run never opened its error file: " << r.err;
    EXPECT_EQ(r.termSignal, 0);
    EXPECT_EQ(r.status, 19);
    const std::string name = sig == SIGTERM ? "SIGTERM" : "SIGSEGV";
    EXPECT_EQ(r.err, "Caught signal: (" + name + ")\nPlease contact Halcyra.\n");
  }
}

TEST(CliEntry, CompleteRunTracesAndReportsUnreadableRecordFiles) {
  CliSandbox box;
  box.writeFile("a.c", "int a;\n");
  box.writeFile("b.c", "int b;\n");
  box.writeFile("p.cmaf", "");
  box.writeFile("out/a.c.met", "");  // b.c has no record file, nor has p.cmaf
  const std::string work = std::filesystem::canonical(box.workDir()).string();

  // Simple text output shows the driver's diagnostic on standard output.
  CliResult r = box.run({"ktlpp", "-trace", "-op", "out", "-deb", "simpleoutput", "-cmaf", "p.cmaf",
                         "a.c", "b.c"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, work + "/p.cmaf:1: Msg=1540 #params=1 {" + work + "/out/b.c.met}\n");
  const std::vector<std::string> trace = splitLines(box.readFile(kTraceFile));
  ASSERT_GE(trace.size(), 3u);
  EXPECT_EQ(trace[0], "Calling ReportOptions::getOptions().parseOptions()");
  EXPECT_EQ(trace[1], "Registering Marshal_report::do_all");
  EXPECT_EQ(trace.back(), "Finished");

  // By default the diagnostic goes to the error file of the output source.
  CliResult quiet = box.run({"ktlpp", "-op", "out", "-cmaf", "p.cmaf", "a.c", "b.c"});
  EXPECT_EQ(quiet.status, 0) << quiet.err;
  EXPECT_EQ(quiet.out, "");
  EXPECT_TRUE(box.exists("p.cmaf.err"));
}
