// Files written aside and put in place when complete.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "TempDir.h"
#include "util/U_ReplacingFile.h"

namespace fs = std::filesystem;

namespace {

size_t entriesIn(const std::string& dir) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

}  // namespace

TEST(ReplacingFile, TargetChangesOnlyOnCommit) {
  TempDir dir;
  const std::string target = dir.write("doc.xml", "old");
  {
    U_ReplacingFile file(target);
    ASSERT_TRUE(file.isOpen());
    file.stream() << "new";
    ASSERT_TRUE(file.write(" text"));
    EXPECT_EQ(dir.read("doc.xml"), "old");
    ASSERT_TRUE(file.commit());
    EXPECT_FALSE(file.isOpen());
  }
  EXPECT_EQ(dir.read("doc.xml"), "new text");
  {
    U_ReplacingFile dropped(target);
    dropped.stream() << "never seen";
  }
  U_ReplacingFile discarded(target);
  discarded.stream() << "never seen";
  discarded.discard();
  EXPECT_EQ(dir.read("doc.xml"), "new text");
  EXPECT_EQ(entriesIn(dir.path()), 1u) << "no temporary file is left";
}

TEST(ReplacingFile, MissingDirectoryCannotBeOpened) {
  U_ReplacingFile file("/no/such/dir/doc.xml");
  EXPECT_FALSE(file.isOpen());
  EXPECT_FALSE(file.write("x"));
  EXPECT_FALSE(file.commit());
}

// A write the file system refuses (here a file size limit, as a full disk
// would) makes commit fail and leaves the target as it was.
TEST(ReplacingFile, RefusedWriteFailsTheCommit) {
  TempDir dir;
  const std::string target = dir.write("doc.xml", "old");
  const pid_t pid = ::fork();
  if (pid == 0) {
    const rlimit limit{1000, 1000};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    U_ReplacingFile file(target);
    file.stream() << std::string(5000, 'x');
    ::_exit(file.commit() ? 0 : 3);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
  EXPECT_EQ(dir.read("doc.xml"), "old");
  EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(ReplacingFile, CannotWriteMessageNamesFileAndReason) {
  EXPECT_STREQ(U_CannotWriteException("/o/a.xml", ENOSPC).what(),
               "cannot write file /o/a.xml: No space left on device");
  EXPECT_STREQ(U_CannotWriteException("/o/a.xml", 0).what(), "cannot write file /o/a.xml");
}
