#include <gtest/gtest.h>

#include "source/Qdata.h"

namespace {

using Lines = Qdata::Lines;

Lines cleaned(Lines lines) {
  Qdata::clean_comments(&lines);
  return lines;
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
