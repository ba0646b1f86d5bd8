#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "source/Qdata.h"

namespace {

using Lines = Qdata::Lines;

Lines cleaned(Lines lines) {
  Qdata::clean_comments(&lines);
  return lines;
}

TEST(QdataViews, RawAndCleanLinesAreCachedAndAgreeAndAnEmptyFileHasNone) {
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

  const std::string empty = dir.write("empty.h", "");
  EXPECT_TRUE(Qdata::get_raw_file(empty).empty());
  EXPECT_TRUE(Qdata::get_clean_raw_file(empty).empty());
}

TEST(QdataViewsDeathTest, MissingFileEndsTheRun) {
  EXPECT_EXIT(Qdata::get_raw_file("/nonexistent/dir/gone.cpp"), testing::ExitedWithCode(10),
              "^/nonexistent/dir/gone.cpp does not exist.\n$");
}

TEST(QdataClean, BlockCommentsSpanLinesAndKeepTheirDelimiters) {
  const Lines in{"int a; /* start", "middle */ int b;", "x /**/ y /* one */ z", "/*/ still */"};
  const Lines out{"int a; /*      ", "       */ int b;", "x /**/ y /*     */ z",
                  "/*        */"};
  EXPECT_EQ(cleaned(in), out);
}

TEST(QdataClean, LiteralContentsAreBlankedButNotTheirQuotes) {
  EXPECT_EQ(cleaned({"s = \"a /* b\"; // c"}), (Lines{"s = \"      \"; //  "}));
  EXPECT_EQ(cleaned({"s = \"a\\\"b\"; t"}), (Lines{"s = \"    \"; t"}));
  EXPECT_EQ(cleaned({"c = '\\\\'; d = '\"';"}), (Lines{"c = '  '; d = ' ';"}));
  EXPECT_EQ(cleaned({"p(\"//x\")"}), (Lines{"p(\"   \")"}));
}

TEST(QdataClean, LineCommentEndingInBackslashBlanksTheNextLine) {
  const Lines in{"a; // note \\  ", "int hidden; \\", "int alsoHidden;", "int shown;"};
  const Lines out{"a; //         ", "             ", "               ", "int shown;"};
  EXPECT_EQ(cleaned(in), out);
}

TEST(QdataClean, UnterminatedLiteralsAndCommentsCarryOn) {
  EXPECT_EQ(cleaned({"x = 'a;", "int y;", "z';"}), (Lines{"x = '  ", "      ", " ';"}));
  EXPECT_EQ(cleaned({"s = \"ab\\", "cd\";"}), (Lines{"s = \"   ", "  \";"}));
  EXPECT_EQ(cleaned({"/* never closed", "code"}), (Lines{"/*             ", "    "}));
}

TEST(QdataClean, EveryLineKeepsItsLength) {
  const Lines in{"\ta /*\tb", "\t*/\t\"x\ty\"", "", "\xff\xfe /* \xc3\xa9 */ '\xe2\x82\xac'"};
  const Lines out = cleaned(in);
  ASSERT_EQ(out.size(), in.size());
  for (std::size_t i = 0; i < in.size(); ++i) EXPECT_EQ(out[i].size(), in[i].size()) << i;
  EXPECT_EQ(out[3], "\xff\xfe /*    */ '   '");
}

}  // namespace
