// Runs under faults: a full disk, an error file left empty by an
// interrupted run, argument files naming themselves, special files named as
// sources, symbolic links in the output directory and a product option
// without its value.  None may hang, drop output silently or write outside
// the output directory.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "CliRunner.h"
#include "test_report_support.h"

using namespace report_expect;
namespace fs = std::filesystem;

namespace {

// Files of the output directory whose names start with "." (temporary files
// a run must not leave behind).
std::vector<std::string> hiddenFiles(const CliSandbox& box) {
  std::vector<std::string> hidden;
  for (const auto& entry : fs::directory_iterator(box.workPath("out")))
    if (entry.path().filename().string()[0] == '.') hidden.push_back(entry.path().string());
  return hidden;
}

// The documents and the numbered copies of a run, by name.
std::map<std::string, std::string> outputsOf(const CliSandbox& box) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(box.workPath("out"))) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(".kxdf.xml") || name.ends_with(".txt")) files[name] = box.readFile("out/" + name);
  }
  return files;
}

// A small tmpfs mounted for the life of the object (needs root; mounted()
// tells whether it worked).
class SmallFileSystem {
 public:
  SmallFileSystem(const std::string& where, const std::string& size) : m_where(where) {
    fs::create_directories(where);
    m_mounted = ::mount("tmpfs", where.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
  }
  ~SmallFileSystem() {
    if (m_mounted) ::umount2(m_where.c_str(), MNT_DETACH);
  }
  bool mounted() const { return m_mounted; }

 private:
  std::string m_where;
  bool m_mounted = false;
};

}  // namespace

// The output directory on a file system that fills up part way through the
// run, at several sizes: the run either succeeds or fails with status 18 and
// the reason, and leaves no cut document and no temporary file behind.
TEST(CliFaults, FullFileSystemNeverLeavesACutDocument) {
  int failed = 0;
  for (int kb = 16; kb <= 64; kb += 8) {
    CliSandbox box;
    installFixture(box, "ex1_all_content");
    SmallFileSystem small(box.workPath("small"), std::to_string(kb) + "k");
    if (!small.mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
    fs::copy(box.workPath("out/main.cpp.met"), box.workPath("small/main.cpp.met"));
    CliResult r = box.run({"ktlpp", "-op", "small", "-po", "mxo::report_type=Template Usage Report",
                           "src/main.cpp"});
    ASSERT_TRUE(r.status == 0 || r.status == 18) << kb << "k: " << r.status << r.err;
    if (r.status == 18) {
      ++failed;
      EXPECT_NE(r.err.find("annot write"), std::string::npos) << kb << "k: " << r.err;
    }
    for (const auto& entry : fs::directory_iterator(box.workPath("small"))) {
      const std::string name = entry.path().filename().string();
      EXPECT_NE(name[0], '.') << kb << "k: temporary file left: " << name;
      if (name.ends_with(".kxdf.xml")) {
        EXPECT_TRUE(wellFormed(entry.path().string())) << kb << "k: " << name;
      }
    }
  }
  EXPECT_GT(failed, 0) << "no size was small enough to fail";
}

// A disk that fills up while the report is written: the run fails with the
// file's name, and each document and copy is either as before or complete.
TEST(CliFaults, FullDiskFailsTheRunAndCutsNoDocument) {
  CliSandbox box;
  runFixture(box, "ex1_all_content", reportArgs({"src/main.cpp"}));
  const std::map<std::string, std::string> complete = outputsOf(box);
  ASSERT_GE(complete.size(), 8u);
  for (const auto& [name, text] : complete) box.writeFile("out/" + name, "old\n");

  box.setFileSizeLimit(1024);
  CliResult r = box.run(reportArgs({"src/main.cpp"}));
  EXPECT_EQ(r.status, 18) << r.err;
  EXPECT_TRUE(contains(r.err, "cannot write file " + box.workPath("out/")));
  int untouched = 0;
  for (const auto& [name, text] : outputsOf(box)) {
    ASSERT_TRUE(complete.count(name)) << name;
    if (text == "old\n") ++untouched;
    else EXPECT_EQ(text, complete.at(name)) << name;
  }
  EXPECT_GT(untouched, 0);
  EXPECT_EQ(hiddenFiles(box), std::vector<std::string>{});
}

// An error file that cannot take the session record: the run fails naming it.
TEST(CliFaults, FullDiskForTheErrorFileFailsTheRun) {
  CliSandbox box;
  installFixture(box, "escaping");
  // A valid error file of 1023 bytes: header, then empty session records.
  std::string err("\x00\x00\x93\x00\x00\x00\x00\x00", 8);
  for (int i = 0; i < 203; ++i) err += std::string("\x01\x00\x00\x00\x00", 5);
  box.writeFile("out/esc.cpp.err", err);
  box.setFileSizeLimit(static_cast<long>(err.size()));
  CliResult r = box.run(reportArgs({"src/esc.cpp"}));
  EXPECT_EQ(r.status, 18) << r.err;
  EXPECT_TRUE(contains(r.err, "Cannot write error file '"));
}

// A run stopped before its error file's header reached the disk leaves an
// empty error file; the next run makes it anew instead of failing.
TEST(CliFaults, EmptyErrorFileIsMadeAnew) {
  CliSandbox box;
  installFixture(box, "escaping");
  box.writeFile("out/esc.cpp.err", "");
  CliResult r = box.run(reportArgs({"src/esc.cpp"}));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(box.readFile("out/esc.cpp.err").substr(0, 4), std::string("\x00\x00\x93\x00", 4));
  EXPECT_EQ(box.run(reportArgs({"src/esc.cpp"})).status, 0);
}

// An argument, rc or configuration file naming itself, directly or through
// another file, ends the run with a configuration error instead of looping.
TEST(CliFaults, ArgumentFilesNamingThemselvesAreRefused) {
  CliSandbox box;
  installFixture(box, "escaping");
  const auto expectRefused = [&box](const std::vector<std::string>& words, const std::string& what) {
    CliResult r = box.run(reportArgs(words), 20);
    EXPECT_FALSE(r.timedOut) << what;
    EXPECT_EQ(r.status, 10) << what << r.err;
    EXPECT_NE(r.err.find("names itself"), std::string::npos) << what << r.err;
  };
  box.writeFile("self.via", "-via self.via\n");
  box.writeFile("a.via", "-via b.via\n");
  box.writeFile("b.via", "-via=a.via\n");
  for (const char* file : {"self.via", "a.via"}) expectRefused({"-via", file, "src/esc.cpp"}, file);
  // Reading the same file twice, one after the other, is no loop.
  box.writeFile("ok.via", "-op out\n");
  EXPECT_EQ(box.run(reportArgs({"-via", "ok.via", "-via", "ok.via", "src/esc.cpp"})).status, 0);

  box.writeFile(".ktlpprc", "-via .ktlpprc\n");
  expectRefused({"src/esc.cpp"}, "rc file");
  fs::remove(box.workPath(".ktlpprc"));

  const std::string cfg = box.binDir() + "/ktlpp.cfg";
  std::ofstream(cfg, std::ios::app) << "\n#options\n-via " << cfg << "\n";
  expectRefused({"src/esc.cpp"}, "configuration file");
}

// A source named in the records that is a FIFO or a device is reported as
// unreadable: the run neither blocks nor reads without end.
TEST(CliFaults, SpecialFilesAsSourcesAreNotRead) {
  for (const std::string kind : {"fifo", "device"}) {
    CliSandbox box;
    installFixture(box, "escaping");
    std::string named = box.workPath("src/esc.cpp");
    if (kind == "fifo") {
      fs::remove(named);
      ASSERT_EQ(::mkfifo(named.c_str(), 0600), 0);
    } else {
      // The records place the definitions in /dev/zero, which never ends.
      named = "/dev/zero";
      std::string records = box.readFile("out/esc.cpp.met");
      for (size_t at; (at = records.find("\"src/esc.cpp\"")) != std::string::npos;)
        records.replace(at, 13, "\"/dev/zero\"");
      box.writeFile("out/esc.cpp.met", records);
    }
    CliResult r = box.run(reportArgs({"src/esc.cpp"}), 30);
    ASSERT_FALSE(r.timedOut) << kind;
    EXPECT_EQ(r.status, 0) << kind << r.err;
    EXPECT_NE(r.err.find("cannot open file " + named), std::string::npos) << kind << r.err;
    EXPECT_NE(outDoc(box, kClassTemplates).find(">" + named + "<"), std::string::npos) << kind;
  }
}

// Symbolic links in the output directory are replaced (documents, copies)
// or refused (error files), never written through.
TEST(CliFaults, LinksInTheOutputDirectoryAreNotFollowed) {
  CliSandbox box;
  installFixture(box, "escaping");
  box.writeFile("victim", "keep\n");
  const std::string victim = box.workPath("victim");
  for (const char* name : {"template_usage_class_templates.kxdf.xml",
                           "template_usage_report_settings.kxdf.xml", "esc.cpp.txt",
                           "xmlreports_setting_tmp"})
    fs::create_symlink(victim, box.workPath(std::string("out/") + name));
  CliResult r = box.run(reportArgs({"src/esc.cpp"}));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(box.readFile("victim"), "keep\n");
  for (const char* name : {"template_usage_class_templates.kxdf.xml",
                           "template_usage_report_settings.kxdf.xml", "esc.cpp.txt"}) {
    EXPECT_FALSE(fs::is_symlink(box.workPath(std::string("out/") + name))) << name;
    EXPECT_NE(box.readFile(std::string("out/") + name), "keep\n") << name;
  }

  fs::remove(box.workPath("out/esc.cpp.err"));
  fs::create_symlink(victim, box.workPath("out/esc.cpp.err"));
  CliResult err = box.run(reportArgs({"src/esc.cpp"}));
  EXPECT_EQ(err.status, 18) << err.err;
  EXPECT_TRUE(contains(err.err, "Cannot write error file '"));
  EXPECT_EQ(box.readFile("victim"), "keep\n");
}

// The documents written aside get the permissions any new file gets.
TEST(CliFaults, DocumentsKeepTheUsualPermissions) {
  CliSandbox box;
  runFixture(box, "escaping", reportArgs({"src/esc.cpp"}));
  const mode_t mask = ::umask(0);
  ::umask(mask);
  std::vector<std::string> names = documentNames();
  names.push_back("esc.cpp.txt");
  for (const std::string& name : names) {
    struct stat st;
    ASSERT_EQ(::stat(box.workPath("out/" + name).c_str(), &st), 0) << name;
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask) << name;
  }
}

// A product option of the report given without its value is the user's
// mistake: a message naming it and the configuration error status.
TEST(CliFaults, ReportTypeWithoutValueIsAConfigurationError) {
  CliSandbox box;
  installFixture(box, "escaping");
  for (const char* option : {"mxo::report_type", "mxo::report_type+", "mxo::report_type-"}) {
    CliResult r = box.run({"ktlpp", "-op", "out", "-po", option, "src/esc.cpp"});
    EXPECT_EQ(r.status, 10) << option << r.err;
    EXPECT_EQ(r.termSignal, 0) << option;
    EXPECT_TRUE(contains(r.err, "mxo::report_type needs a value"));
  }
  EXPECT_EQ(box.run({"ktlpp", "-op", "out", "-po", "mxo::report_type Template Usage Report",
                     "src/esc.cpp"}).status, 0);
}
