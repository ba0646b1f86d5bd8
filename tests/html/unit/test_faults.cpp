// The site under faults: links and special files in the report and output
// directories, a disk that fills up, an interrupted run.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <thread>

#include <gtest/gtest.h>

#include "ChildRun.h"
#include "ReportFixture.h"
#include "html/Document.h"
#include "html/OutputFile.h"
#include "html/SourceCopies.h"

namespace fs = std::filesystem;

namespace {

// Runs the installed program with the given arguments; a fileSizeLimit of
// 0 or more bytes caps every file it writes, as a full disk would.
ChildRun runProgram(const std::string& args, long fileSizeLimit = -1) {
  return runInChild(
      [&args] {
        const int raw = std::system(("'" KXDF_HTML_PROGRAM "' " + args).c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
      },
      fileSizeLimit);
}

// Every file of a directory by name with its content.
std::map<std::string, std::string> filesOf(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dir)) files[entry.path().filename().string()] = readBytes(entry.path());
  return files;
}

std::vector<std::string> hiddenFiles(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().filename().string()[0] == '.') names.push_back(entry.path().filename().string());
  return names;
}

}  // namespace

// A page name taken by a symbolic link: the link is replaced by the page,
// and the file it pointed to is left as it was.
TEST(HtmlFaults, LinksInTheOutputDirectoryAreReplacedNotWrittenThrough) {
  TempDir dir;
  writeSmallReport(dir);
  const std::string victim = dir.write("victim", "keep\n");
  fs::create_directory(dir.file("html"));
  for (const char* page : {"index.html", "kxdf.css", "src_box.h.html"})
    fs::create_symlink(victim, dir.file(std::string("html/") + page));
  const ChildRun r = runProgram("'" + dir.path() + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(dir.read("victim"), "keep\n");
  for (const char* page : {"index.html", "kxdf.css", "src_box.h.html"}) {
    EXPECT_FALSE(fs::is_symlink(dir.file(std::string("html/") + page))) << page;
    EXPECT_NE(dir.read(std::string("html/") + page), "keep\n") << page;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  struct stat st {};
  ASSERT_EQ(::stat(dir.file("html/index.html").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);

  // A link in place of the default output directory is refused; named
  // with -o, it is the user's choice and followed.
  TempDir elsewhere;
  fs::remove_all(dir.file("html"));
  fs::create_directory_symlink(elsewhere.path(), dir.file("html"));
  const ChildRun link = runProgram("'" + dir.path() + "'");
  EXPECT_EQ(link.status, 3);
  EXPECT_EQ(link.err, "kxdf.html: " + dir.file("html") + ": is a symbolic link; give it with -o to write there\n");
  EXPECT_TRUE(fs::is_empty(elsewhere.path()));
  EXPECT_EQ(runProgram("'" + dir.path() + "' -o '" + dir.file("html") + "'").status, 0);
  EXPECT_TRUE(fs::exists(elsewhere.file("index.html")));
}

// A disk that fills up part way: the run fails naming the page and the
// reason, each page is as before or complete, no temporary file is left.
TEST(HtmlFaults, FullDiskFailsWithTheReasonAndCutsNoPage) {
  TempDir dir;
  writeSmallReport(dir);
  // A source page larger than the cap, which the style sheet and the
  // section pages written before it stay below.
  std::string copy = "src/box.h\n*********\n\n";
  for (int n = 1; n <= 300; ++n) copy += std::to_string(n) + ": // line\n";
  dir.write("box.h.txt", copy);
  ASSERT_EQ(runProgram("'" + dir.path() + "'").status, 0);
  ASSERT_GT(dir.read("html/src_box.h.html").size(), 8192u);
  ASSERT_LT(dir.read("html/kxdf.css").size(), 8192u);
  const std::map<std::string, std::string> complete = filesOf(dir.file("html"));
  for (const auto& [name, text] : complete) dir.write("html/" + name, "old\n");

  const ChildRun r = runProgram("'" + dir.path() + "'", 8192);
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_NE(r.err.find(": cannot be written: File too large\n"), std::string::npos) << r.err;
  int untouched = 0, replaced = 0;
  for (const auto& [name, text] : filesOf(dir.file("html"))) {
    ASSERT_TRUE(complete.count(name)) << name;
    if (text == "old\n") ++untouched;
    else EXPECT_EQ(text, complete.at(name)) << name;
    if (text != "old\n") ++replaced;
  }
  EXPECT_GT(untouched, 0);
  EXPECT_GT(replaced, 0);
  EXPECT_EQ(dir.read("html/index.html"), "old\n");  // written last, after every page it leads to
  EXPECT_EQ(hiddenFiles(dir.file("html")), std::vector<std::string>{});

  dir.write("site", "a file\n");
  const ChildRun file = runProgram("'" + dir.path() + "' -o '" + dir.file("site") + "'");
  EXPECT_EQ(file.status, 3);
  EXPECT_EQ(file.err, "kxdf.html: " + dir.file("site") + ": cannot create the directory: it exists and is not a directory\n");
}

// Named pipes, devices and links to nothing among the numbered copies are
// named as skipped and never read, so the run neither hangs nor grows.
TEST(HtmlFaults, SpecialFilesAmongTheCopiesAreSkippedWithAMessage) {
  TempDir dir;
  writeSmallReport(dir);
  ASSERT_EQ(::mkfifo(dir.file("pipe.txt").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", dir.file("zero.txt"));
  fs::create_symlink(dir.file("nothing"), dir.file("gone.txt"));
  dir.write("notes.txt", "not a numbered copy\n");
  fs::resize_file(dir.write("huge.txt", ""), kxdf_html::SourceCopies::kMaxCopyBytes + 1);  // sparse
  const ChildRun r = runProgram("'" + dir.path() + "'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "kxdf.html: " + dir.file("gone.txt") + ": skipped, missing\n" +
                       "kxdf.html: " + dir.file("huge.txt") + ": skipped, too large (over 256 MiB)\n" +
                       "kxdf.html: " + dir.file("pipe.txt") + ": skipped, not a regular file\n" +
                       "kxdf.html: " + dir.file("zero.txt") + ": skipped, not a regular file\n");
  EXPECT_TRUE(dir.exists("html/src_box.h.html"));
  EXPECT_FALSE(dir.exists("html/src_notes.html"));

  // A document in place of which stands a pipe, or one too large to parse.
  fs::remove(dir.file(kReportDocuments[2]));
  ASSERT_EQ(::mkfifo(dir.file(kReportDocuments[2]).c_str(), 0644), 0);
  fs::resize_file(dir.file(kReportDocuments[3]), kxdf_html::kMaxDocumentBytes + 1);
  const ChildRun bad = runProgram("'" + dir.path() + "' -o '" + dir.file("site") + "'");
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "kxdf.html: " + dir.file(kReportDocuments[2]) + ": not a regular file\n" +
                         "kxdf.html: " + dir.file(kReportDocuments[3]) + ": too large (over 512 MiB)\n");
  EXPECT_FALSE(dir.exists("site"));
}

// A file link is never followed to its target: a numbered copy outside the
// report directory gets no page, whatever the link names.
TEST(HtmlFaults, FileLinksNeverReadFilesOutsideTheReport) {
  TempDir dir, outside;
  writeSmallReport(dir);
  const std::string secret = outside.write("secret.h.txt", "secret.h\n********\n\n1: int secret;\n");
  dir.write(kReportDocuments[1],
            sectionXml("<kxdf:h3>f Function Template</kxdf:h3>\n<kxdf:filelink href='" + secret +
                       "'>secret.h</kxdf:filelink>\n<kxdf:filelink href='../../../../" + secret +
                       "'>../secret.h.txt</kxdf:filelink>\n" + frameXml("1: int secret;\n")));
  const ChildRun r = runProgram("'" + dir.path() + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  for (const auto& [name, text] : filesOf(dir.file("html"))) {
    EXPECT_EQ(text.find("int secret;</code></div>\n"), std::string::npos) << name;  // no source page of it
    EXPECT_EQ(text.find("secret.h.html"), std::string::npos) << name;
  }
}

// A run stopped by a signal while a page is written removes the page's
// temporary file before it ends.
TEST(HtmlFaults, InterruptedWriteLeavesNoTemporaryFile) {
  TempDir dir;
  const pid_t pid = ::fork();
  if (pid == 0) {
    kxdf_html::removeTemporaryFileOnSignal();
    const std::string big(32 << 20, 'x');
    for (;;) kxdf_html::replaceFile(dir.path(), "big.html", big);
  }
  ASSERT_GT(pid, 0);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (hiddenFiles(dir.path()).empty() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  ::kill(pid, SIGTERM);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGTERM);
  EXPECT_EQ(hiddenFiles(dir.path()), std::vector<std::string>{});
}

namespace {

// Runs the program with its address space capped at mb MiB.
ChildRun runWithMemory(const std::string& args, long mb) {
  return runInChild([&args, mb] {
    const rlimit limit{static_cast<rlim_t>(mb) << 20, static_cast<rlim_t>(mb) << 20};
    ::setrlimit(RLIMIT_AS, &limit);
    const int raw = std::system(("'" KXDF_HTML_PROGRAM "' " + args).c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  });
}

}  // namespace

// A report too large for the memory the run may take: a message and status
// 1 at every size, never a crash.
TEST(HtmlFaults, ReportTooLargeForMemoryIsAnErrorNotACrash) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "address space limits do not mix with the sanitizer's shadow memory";
#endif
  // The least address space in which the program starts at all.
  long base = 16;
  while (base < 1024 && runWithMemory("--help", base).status != 0) base += 8;
  ASSERT_LT(base, 1024);

  TempDir dir;
  writeSmallReport(dir);
  std::string body;
  for (int n = 0; n < 20000; ++n)
    body += "<kxdf:h3>T" + std::to_string(n) + " Primary Class Template</kxdf:h3>\n" +
            frameXml("2: template &lt;typename T&gt;\n3: struct Box {\n");
  dir.write(kReportDocuments[0], sectionXml(body));
  int failed = 0;
  for (long extra : {4, 16, 32, 64, 128, 256}) {
    const std::string site = dir.file("site" + std::to_string(extra));
    const ChildRun r = runWithMemory("'" + dir.path() + "' -o '" + site + "'", base + extra);
    ASSERT_TRUE(r.status == 0 || r.status == 1) << "+" << extra << " MiB: " << r.status << " " << r.err;
    if (r.status == 1) {
      ++failed;
      EXPECT_NE(r.err.find("too large for the memory at hand"), std::string::npos) << extra << " MiB: " << r.err;
    }
  }
  EXPECT_GT(failed, 0) << "no limit was small enough to fail";
}
