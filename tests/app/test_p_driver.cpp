// The analysis driver: the ordered file list and the reading loop with its
// metric flush point.  Unreadable record files are shown by
// CliEntry.CompleteRunReportsUnreadableRecordFiles.
#include <filesystem>
#include <iostream>

#include <gtest/gtest.h>

#include "app/P_Driver.h"
#include "config/C_Exceptions.h"
#include "metrics/M_Metric.h"
#include "model/MetricFileReader.h"
#include "model/PI_Interface.h"
#include "model/SourceFileReader.h"
#include "model/SymbolTable.h"
#include "ChildRun.h"

namespace fs = std::filesystem;

namespace {

// A project as the analyser leaves it: sources in src/, the record files
// of a.c and b.c in out/, the cross-module analysis file and its record
// file in src/.  Every record file holds one "<ZZ>" record naming its file.
class Project {
 public:
  Project() {
    fs::create_directories(m_dir.file("src"));
    fs::create_directories(m_dir.file("out"));
    for (const char* name : {"src/a.c", "src/b.c", "src/p.cmaf"}) write(name, "");
    write("out/a.c.met", "<ZZ>a\n");
    write("out/b.c.met", "<ZZ>b\n");
    write("src/p.cmaf.met", "<ZZ>p");
  }
  std::string path(const std::string& name) const { return m_dir.file(name); }

 private:
  void write(const std::string& name, const std::string& text) const { m_dir.write(name, text); }
  TempDir m_dir;
};

struct TestDriver : P_Driver {
  TestDriver() : P_Driver("test driver\n", nullptr) {}
};

U_BPtr<C_CmdArgs> parse(P_DriverBase& driver, const std::vector<std::string>& words) {
  std::vector<const char*> argv;
  for (const auto& w : words) argv.push_back(w.c_str());
  U_BPtr<C_CmdArgs> args(new C_CmdArgs("ktlpp", static_cast<int>(argv.size()), argv.data()));
  args->process(driver.getOrphanHandler());
  return args;
}

const C_OrphanFileHandler& orphansOf(P_DriverBase& driver) {
  return dynamic_cast<const C_OrphanFileHandler&>(driver.getOrphanHandler());
}

std::string baseName(const std::string& path) { return fs::path(path).filename().string(); }

// Reports what the readers see: each announced source and each record,
// with the current source file and the number of metric flushes so far.
bool logSource(P_Source* source) {
  std::cout << "source " << source->getFileCnt() << "/" << source->getFileTotal() << " "
            << baseName(P_getSourceFilename(source)) << "\n";
  return true;
}

void logRecord(const U_String& line) {
  std::cout << "record " << line << " current " << baseName(WORKAROUND::srcFilename.str())
            << " flushes " << M_Metric::getFlushCount() << "\n";
}

}  // namespace

TEST(P_Driver, FileListPutsTheCrossModuleFileLast) {
  Project p;
  TestDriver driver;
  U_BPtr<C_CmdArgs> args = parse(driver, {"-op", p.path("out"), p.path("src/b.c"), p.path("src/a.c"),
                                          p.path("src/b.c"), "-cmaf", p.path("src/p.cmaf")});
  auto files = driver.getFiles(args, orphansOf(driver), P_DriverBase::MultiFileAnalysis);
  ASSERT_EQ(files.size(), 3u);
  const auto real = [&p](const std::string& name) { return fs::canonical(p.path(name)).string(); };
  EXPECT_EQ(files[0].second.str(), real("src/b.c"));
  EXPECT_EQ(files[0].first.get(), real("out"));
  EXPECT_EQ(files[1].second.str(), real("src/a.c"));
  EXPECT_EQ(files[2].second.str(), real("src/p.cmaf"));
  // The output path is the real directory of the cross-module file (the
  // output file it sets is shown by the run test below).
  EXPECT_EQ(files[2].first.get(), real("src"));
}

namespace {

void logEnd() {
  std::cout << "end, output " << baseName(P_OutputFile::getSource().str()) << " in "
            << baseName(P_OutputFile::getOutputPath().get()) << "\n";
}

void setupForTest(const U_BPtr<C_CmdArgs>& args, const P_DriverBase::AnalysisType& type) {
  // The options are already the process-wide ones when the check is set up.
  std::cout << "setup " << type << " global cmaf " << C_getArgCrossModAnlFile().isSet()
            << " same " << (args.pointer() == &C_CmdArgs::getGlobal()) << "\n";
  SourceFileReader::configure(logSource);
  MetricFileReader::configure("ZZ", logRecord);
  MetricFileReader::configureOnEnd(logEnd);
}

int runDriver(const std::vector<std::string>& words, P_DriverBase::SetupFunction setup = setupForTest) {
  U_BPtr<P_Driver> driver(new P_Driver("v\n", setup));
  U_BPtr<C_CmdArgs> args = parse(*driver, words);
  driver->setCmdArgs(args);
  try {
    return driver->exec();
  } catch (const C_ConfigurationException& e) {
    std::cout << "refused: " << e.what();
    return 10;
  }
}

}  // namespace

// The readers' registries are process-wide, so each run is its own process.
// The metrics are flushed before the output source is read.
TEST(P_Driver, RunSetsUpReadsInOrderAndEnds) {
  Project p;
  ChildRun multi = runInChild([&p] {
    return runDriver({"-op", p.path("out"), p.path("src/a.c"), p.path("src/b.c"), p.path("src/a.c"), "-cmaf",
                      p.path("src/p.cmaf")});
  });
  EXPECT_EQ(multi.status, 0) << multi.err;
  EXPECT_EQ(multi.out,
            "setup 2 global cmaf 1 same 0\n"
            "source 1/3 a.c\nrecord <ZZ>a current a.c flushes 0\n"
            "source 2/3 b.c\nrecord <ZZ>b current b.c flushes 0\n"
            "source 3/3 p.cmaf\nrecord <ZZ>p current p.cmaf flushes 1\n"
            "end, output p.cmaf in src\n");
  // The run's diagnostic output is the error file of the output source.
  EXPECT_TRUE(fs::exists(p.path("src/p.cmaf.err")));

  ChildRun refused = runInChild([&p] { return runDriver({p.path("src/a.c"), p.path("src/b.c")}); });
  EXPECT_EQ(refused.status, 10);
  EXPECT_EQ(refused.out, "refused: ERROR: Single file analysis must have exactly one input file.\n\n");
  EXPECT_FALSE(fs::exists(p.path("out/a.c.err")));

  // A file named twice is one file, and one file is a single file analysis.
  ChildRun single =
      runInChild([&p] { return runDriver({"-op", p.path("out"), p.path("src/a.c"), p.path("src/a.c")}); });
  EXPECT_EQ(single.status, 0) << single.err;
  EXPECT_EQ(single.out,
            "setup 1 global cmaf 0 same 0\nsource 1/1 a.c\nrecord <ZZ>a current a.c flushes 0\n"
            "end, output a.c in out\n");
}

namespace {

// A check whose end client meets a failing interface call and goes on with
// the neutral answer.
void endWithFailingCall() {
  std::cout << "path " << (PI_getPALOutputPath(2) == nullptr ? "null" : "set") << "\nend\n";
}

void setupFailingCheck(const U_BPtr<C_CmdArgs>&, const P_DriverBase::AnalysisType&) {
  MetricFileReader::configureOnEnd(endWithFailingCall);
}

}  // namespace

TEST(P_Driver, AFailedInterfaceCallEndsTheRunWithTheInternalErrorStatus) {
  Project p;
  ChildRun r = runInChild([&p] { return runDriver({"-op", p.path("out"), p.path("src/a.c")}, setupFailingCheck); });
  EXPECT_EQ(r.status, 18) << r.err;
  EXPECT_EQ(r.out, "path null\nend\n");
  EXPECT_NE(r.err.find("PI_getPALOutputPath: Assertion at "), std::string::npos) << r.err;
}
