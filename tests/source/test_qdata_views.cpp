#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "source/Qdata.h"

namespace {

using Lines = Qdata::Lines;

TEST(QdataViews, RawAndCleanLinesAreCachedAndAgree) {
  TempDir dir;
  const std::string name = dir.write("a.cpp", "int a; /* x\r\n y */ int b;\r\n\tchar* s = \"//\";");
  const Lines& raw = Qdata::get_raw_file(name);
  EXPECT_EQ(raw, (Lines{"int a; /* x", " y */ int b;", "\tchar* s = \"//\";"}));
  const Lines& clean = Qdata::get_clean_raw_file(name);
  EXPECT_EQ(clean, (Lines{"int a; /*  ", "   */ int b;", "\tchar* s = \"  \";"}));

  // A second request is served from the cache: the file on disk is not read again.
  std::filesystem::remove(name);
  EXPECT_EQ(&Qdata::get_raw_file(name), &raw);
  EXPECT_EQ(&Qdata::get_clean_raw_file(name), &clean);
  EXPECT_EQ(Qdata::get_raw_file(name).size(), 3u);
}

TEST(QdataViews, EmptyFileGivesNoLinesInBothViews) {
  TempDir dir;
  const std::string name = dir.write("empty.h", "");
  EXPECT_TRUE(Qdata::get_raw_file(name).empty());
  EXPECT_TRUE(Qdata::get_clean_raw_file(name).empty());
}

TEST(QdataViewsDeathTest, MissingFileEndsTheRun) {
  EXPECT_EXIT(Qdata::get_raw_file("/nonexistent/dir/gone.cpp"), testing::ExitedWithCode(10),
              "^/nonexistent/dir/gone.cpp does not exist.\n$");
}

}  // namespace
