#include <gtest/gtest.h>

#include <cstdlib>

#include "TempDir.h"
#include "util/U_FileStat.h"

namespace {

TEST(FileStat, NameParts) {
  EXPECT_EQ(U_FileStat::getDirectory("c.h"), "");
  EXPECT_EQ(U_FileStat::getDirectory("/c.h"), "/");
  EXPECT_EQ(U_FileStat::getBasename("a.dir/x.tar.gz"), "x.tar");
  EXPECT_EQ(U_FileStat::getExt("a.dir/x"), "");
  EXPECT_EQ(U_FileStat::remExt("a.dir/x"), "a.dir/x");
  EXPECT_EQ(U_FileStat::join("out/", "a.err"), "out/a.err");
  EXPECT_EQ(U_FileStat::join("", "a.err"), "a.err");
  EXPECT_EQ(U_FileStat::join("out", "/abs"), "/abs");
  EXPECT_FALSE(U_FileStat::isAbsolute(""));
}

TEST(FileStat, RealPathResolvesDotsWhetherOrNotTheFileExists) {
  std::string cwd = U_FileStat::getCurrentDir();
  EXPECT_EQ(U_FileStat::getRealPath("x/../y/./z.h"), cwd + "/y/z.h");
  EXPECT_EQ(U_FileStat::getRealPath("/a//b/../c"), "/a/c");
  EXPECT_EQ(U_FileStat::getRealPath("/.."), "/");
  EXPECT_EQ(U_FileStat::getRealPath("/tmp/."), U_FileStat::getRealPath("/tmp"));
}

TEST(FileStat, FileSystemQueriesAndEnvironmentSearch) {
  TempDir tmp;
  const std::string dir = tmp.path();
  const std::string file = tmp.write("f.cfg", "x");
  EXPECT_TRUE(U_FileStat::exists(file));
  EXPECT_TRUE(U_FileStat::canRead(file));
  EXPECT_TRUE(U_FileStat::isRegularFile(file));
  EXPECT_FALSE(U_FileStat::isDirectory(file));
  EXPECT_TRUE(U_FileStat::isDirectory(dir));
  EXPECT_FALSE(U_FileStat::exists(dir + "/none"));

  std::string path = "/nonexistent:" + dir;
  setenv("TUK_TEST_PATH", path.c_str(), 1);
  EXPECT_EQ(U_FileStat::searchEnvPaths("TUK_TEST_PATH", "f.cfg"), file);
  EXPECT_EQ(U_FileStat::searchEnvPaths("TUK_TEST_PATH", "g.cfg"), "");
  EXPECT_EQ(U_FileStat::searchEnvPaths("TUK_TEST_UNSET_VARIABLE", "f.cfg"), "");
}

}  // namespace
