// The scanner's plain parts: command line, progress text, unit stamps,
// output files and the messages between a run and its units' processes.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "scan/Options.h"
#include "scan/Progress.h"
#include "scan/OutputFile.h"
#include "scan/UnitMessage.h"
#include "scan/UnitStamp.h"

using namespace kxdf_scan;
namespace fs = std::filesystem;

namespace {

bool parse(std::vector<std::string> args, Options& options, std::string& error) {
  args.insert(args.begin(), "kxdf.scan");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  return parseOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

}  // namespace

TEST(ScanOptions, BuildDirSourcesJoinedValuesAndCompilerArguments) {
  Options o;
  std::string error;
  ASSERT_TRUE(parse({"-p", "build", "-oout", "-j3", "--record=/usr/include/gsl", "--record", "lib", "a.cpp"}, o, error))
      << error;
  EXPECT_EQ(o.buildDir, "build");
  EXPECT_EQ(o.outDir, "out");
  EXPECT_EQ(o.jobs, 3);
  EXPECT_EQ(o.recordDirs, (std::vector<std::string>{"/usr/include/gsl", "lib"}));
  EXPECT_EQ(o.sources, (std::vector<std::string>{"a.cpp"}));

  // Compiler arguments follow the double dash.
  Options c;
  ASSERT_TRUE(parse({"a.cpp", "b.cpp", "-o", "out", "--", "-std=c++17", "-o", "x"}, c, error)) << error;
  EXPECT_EQ(c.sources, (std::vector<std::string>{"a.cpp", "b.cpp"}));
  EXPECT_EQ(c.outDir, "out");
  EXPECT_EQ(c.compilerArgs, (std::vector<std::string>{"-std=c++17", "-o", "x"}));
}

TEST(ScanOptions, UsageErrorsNameTheProblem) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"-p", "b"}, "no output directory"}, {{"-o", "out"}, "no units"}, {{"-o", "out", "--"}, "no source files"},
      {{"-p", "b", "-o", "out", "-j0"}, "from 1 to 1024"}, {{"-p", "b", "-o", "out", "-j", "two"}, "not 'two'"},
      {{"-p", "b", "-o"}, "option -o needs a value"}, {{"-p", "b", "-o", "out", "--frob"}, "unknown option --frob"}};
  for (const auto& [args, wanted] : cases) {
    Options o;
    std::string error;
    EXPECT_FALSE(parse(args, o, error)) << wanted;
    EXPECT_NE(error.find(wanted), std::string::npos) << error;
  }
  Options help;
  std::string error;
  EXPECT_TRUE(parse({"--help"}, help, error));
  EXPECT_TRUE(help.help);
}

TEST(ScanProgress, EstimateFromTheMeanTimeOfDoneUnits) {
  EXPECT_EQ(Progress::text(3, 10, 6.0), "[3/10] 6s elapsed, about 14s left");
  EXPECT_EQ(Progress::text(10, 10, 21.4), "[10/10] 21s elapsed");
  EXPECT_EQ(Progress::text(0, 4, 0.2), "[0/4] 0s elapsed");
}

TEST(ScanStamp, StampIsCurrentUntilAFileOrTheKeyChanges) {
  TempDir dir;
  const std::vector<std::string> files{dir.write("a.cpp", "int a;\n"), dir.write("a.h", "int h;\n")};
  const std::string stamp = dir.file("a.stamp");
  ASSERT_EQ(writeStamp(stamp, "k1", files), "");
  EXPECT_TRUE(stampIsCurrent(stamp, "k1"));
  EXPECT_FALSE(stampIsCurrent(stamp, "k2"));
  dir.write("a.h", "int h; int i;\n");
  EXPECT_FALSE(stampIsCurrent(stamp, "k1"));
  ASSERT_EQ(writeStamp(stamp, "k1", files), "");
  fs::remove(files[1]);
  EXPECT_FALSE(stampIsCurrent(stamp, "k1"));
  EXPECT_FALSE(stampIsCurrent(dir.file("none.stamp"), "k1"));
}

TEST(ScanStamp, KeyCoversCommandFolderAndSettings) {
  const UnitJob job{"/p/a.cpp", "/p/build", {"c++", "-std=c++17", "-c", "/p/a.cpp"}};
  const ScanSettings plain;
  const std::string key = commandKey(job, plain);
  EXPECT_EQ(key, commandKey(job, plain));
  UnitJob otherArgs = job;
  otherArgs.arguments[1] = "-std=c++20";
  EXPECT_NE(key, commandKey(otherArgs, plain));
  UnitJob otherDir = job;
  otherDir.directory = "/p/other";
  EXPECT_NE(key, commandKey(otherDir, plain));
  ScanSettings recording;
  recording.recordDirs = {"/usr/include/gsl"};
  EXPECT_NE(key, commandKey(job, recording));
  ScanSettings viewing;
  viewing.clangView = true;
  EXPECT_NE(key, commandKey(job, viewing));
}

TEST(ScanOutput, WholeFilesAreRenamedIntoPlace) {
  TempDir dir;
  EXPECT_EQ(writeWhole(dir.file("r.met"), {"<R>I \"a\" \"b\" 1 -", "x"}), "");
  EXPECT_EQ(dir.read("r.met"), "<R>I \"a\" \"b\" 1 -\nx\n");
  EXPECT_EQ(writeWhole(dir.file("missing/r.met"), {"x"}), "cannot write file " + dir.file("missing/r.met") +
                                                           ": No such file or directory");
  for (const auto& entry : fs::directory_iterator(dir.path()))
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST(ScanOutput, LinksAreReplacedNotWrittenThrough) {
  TempDir dir;
  const std::string target = dir.write("target", "kept\n");
  fs::create_symlink(target, dir.file("r.met"));
  EXPECT_EQ(writeWhole(dir.file("r.met"), {"new"}), "");
  EXPECT_EQ(dir.read("target"), "kept\n");
  EXPECT_FALSE(fs::is_symlink(dir.file("r.met")));
  EXPECT_EQ(dir.read("r.met"), "new\n");

  // The folder of stamps must not be a link to somewhere else.
  fs::create_directory(dir.file("elsewhere"));
  fs::create_directory(dir.file("out"));
  fs::create_directory_symlink(dir.file("elsewhere"), dir.file("out/.stamps"));
  EXPECT_NE(prepareOutputDir(dir.file("out"), ".stamps").find("not a directory"), std::string::npos);
  EXPECT_EQ(prepareOutputDir(dir.file("new/deeper"), ".stamps"), "");
  EXPECT_TRUE(fs::is_directory(dir.file("new/deeper/.stamps")));
  EXPECT_NE(prepareOutputDir(dir.file("target"), ".stamps"), "");
}

TEST(ScanOutput, OneRunAtATimeWritesAFolder) {
  TempDir dir;
  EXPECT_EQ(lockOutputDir(dir.path()), "");
  EXPECT_EQ(lockOutputDir(dir.path()), "another kxdf.scan is writing there");
  fs::create_directory(dir.file("linked-dir"));
  fs::create_symlink(dir.file("elsewhere"), dir.file("linked-dir/lock"));
  EXPECT_NE(lockOutputDir(dir.file("linked-dir")), "");
  EXPECT_FALSE(fs::exists(dir.file("elsewhere")));
}

TEST(ScanStamp, LongRecordNamesGetAShortStampName) {
  const std::string fits(249, 'a');
  EXPECT_EQ(stampName(fits), fits + ".stamp");
  const std::string longer(250, 'a'), other(250, 'b');
  EXPECT_LE(stampName(longer).size(), 255u);
  EXPECT_NE(stampName(longer), stampName(other));
}

TEST(ScanUnitMessage, JobsAndResultsCarryAnyBytes) {
  const UnitJob job{"/p/a\nb \"c\".cpp", "/p/12:3", {"c++", "", "-DX=\"1:2\"", std::string("\0\xff", 2)}};
  ScanSettings settings;
  settings.recordDirs = {"/lib"};
  settings.resourceDir = "/res";
  settings.clangView = true;
  UnitJob job2;
  ScanSettings settings2;
  ASSERT_TRUE(decodeJob(encodeJob(job, settings), job2, settings2));
  EXPECT_EQ(job2.source, job.source);
  EXPECT_EQ(job2.directory, job.directory);
  EXPECT_EQ(job2.arguments, job.arguments);
  EXPECT_EQ(settings2.recordDirs, settings.recordDirs);
  EXPECT_EQ(settings2.resourceDir, "/res");
  EXPECT_TRUE(settings2.clangView);

  UnitResult result;
  result.ok = true;
  result.lines = {"<DEFINE> x \"/p/a.cpp\" 1 M DC OV F X int -", ""};
  result.inputs = {"/p/a.cpp"};
  result.diagnostics = "warning: 3:4\n";
  UnitResult result2;
  const std::string bytes = encodeResult(result);
  ASSERT_TRUE(decodeResult(bytes, result2));
  EXPECT_TRUE(result2.ok);
  EXPECT_EQ(result2.lines, result.lines);
  EXPECT_EQ(result2.inputs, result.inputs);
  EXPECT_TRUE(result2.viewLines.empty());
  EXPECT_EQ(result2.diagnostics, result.diagnostics);

  // A result cut off anywhere, or with bytes after its end, is not taken.
  for (size_t cut = 0; cut < bytes.size(); ++cut) EXPECT_FALSE(decodeResult(bytes.substr(0, cut), result2)) << cut;
  EXPECT_FALSE(decodeResult(bytes + "0:", result2));
  EXPECT_FALSE(decodeResult("2:ok99999999:", result2));
}
