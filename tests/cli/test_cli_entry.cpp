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
  const std::vector<std::string> lines = splitLines(r.out);
  ASSERT_EQ(lines.size(), 2 + kHelpLines.size() + 1) << r.out;
  EXPECT_TRUE(std::regex_match(lines[0], std::regex("Template Usage KXDF Generator 1\\.0 "
                                                    "[A-Z][a-z][a-z] [ 1-3][0-9] [0-9]{4} for Unix")))
      << lines[0];
  EXPECT_NE(lines[1].find("Halcyra"), std::string::npos) << lines[1];
  for (size_t i = 0; i < kHelpLines.size(); ++i) EXPECT_EQ(lines[2 + i], kHelpLines[i]);
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

TEST(CliEntry, CompleteRunReportsUnreadableRecordFiles) {
  CliSandbox box;
  box.writeFile("a.c", "int a;\n");
  box.writeFile("b.c", "int b;\n");
  box.writeFile("p.cmaf", "");
  box.writeFile("out/a.c.met", "");  // b.c has no record file, nor has p.cmaf
  const std::string work = std::filesystem::canonical(box.workDir()).string();

  // Simple text output shows the driver's diagnostic on standard output.
  CliResult r = box.run({"ktlpp", "-op", "out", "-deb", "simpleoutput", "-cmaf", "p.cmaf", "a.c", "b.c"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, work + "/p.cmaf:1: Msg=1540 #params=1 {" + work + "/out/b.c.met}\n");

  // By default the diagnostic goes to the error file of the output source.
  CliResult quiet = box.run({"ktlpp", "-op", "out", "-cmaf", "p.cmaf", "a.c", "b.c"});
  EXPECT_EQ(quiet.status, 0) << quiet.err;
  EXPECT_EQ(quiet.out, "");
  EXPECT_TRUE(box.exists("p.cmaf.err"));
}
