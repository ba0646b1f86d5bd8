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

TEST(QdataViews, CommentsOfAFile) {
  TempDir dir;
  const std::string name = dir.write("c.cpp",
                                     "int a; // one\n"
                                     "/* two\n"
                                     "   lines */ int b; /**//*x*/\n"
                                     "char* s = \"/* no */\"; // cont \\\n"
                                     "ued\n"
                                     "/* open");
  const auto& comments = Qdata::get_file_comments(name);
  ASSERT_EQ(comments.size(), 6u);
  EXPECT_EQ(comments[0].text, "// one");
  EXPECT_FALSE(comments[0].isBlock);
  EXPECT_EQ(comments[0].line, 0);
  EXPECT_EQ(comments[0].column, 7);
  EXPECT_EQ(comments[1].text, "/* two\n   lines */");
  EXPECT_TRUE(comments[1].isBlock);
  EXPECT_EQ(comments[1].line, 1);
  EXPECT_EQ(comments[1].endLine, 2);
  EXPECT_EQ(comments[2].text, "/**/");
  EXPECT_EQ(comments[3].text, "/*x*/");
  EXPECT_EQ(comments[3].column, 23);
  EXPECT_EQ(comments[4].text, "// cont \\\nued");
  EXPECT_EQ(comments[4].endLine, 4);
  EXPECT_EQ(comments[5].text, "/* open");
  EXPECT_EQ(comments[5].endLine, 5);
  EXPECT_EQ(&Qdata::get_file_comments(name), &comments);
}

TEST(QdataViews, TokensOfTheCleanFile) {
  TempDir dir;
  const std::string name = dir.write("t.cpp", "\tint x; // c\nf(\"a b\");\n\n");
  const Qdata::FileTokens& t = Qdata::get_tokenised_file(name);
  ASSERT_EQ(t.tokens.size(), 3u);
  EXPECT_EQ(t.tokens[0], (std::vector<U_String>{"int", "x", ";"}));
  EXPECT_EQ(t.positions[0], (std::vector<int>{8, 12, 13}));
  EXPECT_EQ(t.tokens[1], (std::vector<U_String>{"f", "(", "\"   \"", ")", ";"}));
  EXPECT_TRUE(t.tokens[2].empty());
}

TEST(QdataViews, PreprocessorStatementsFollowContinuations) {
  const Lines lines{"int a;", "  #define M(x) \\", "   ((x) + \\  ", "1)", "#endif", "#if A \\"};
  std::size_t i = 0;
  U_String statement;
  EXPECT_FALSE(Qdata::get_pre_processor_statement(lines, i, statement));
  i = 1;
  ASSERT_TRUE(Qdata::get_pre_processor_statement(lines, i, statement));
  EXPECT_EQ(statement, "  #define M(x)    ((x) + 1)");
  EXPECT_EQ(i, 3u);
  i = 4;
  ASSERT_TRUE(Qdata::get_pre_processor_statement(lines, i, statement));
  EXPECT_EQ(statement, "#endif");
  i = 5;  // a continuation on the last line ends with the file
  ASSERT_TRUE(Qdata::get_pre_processor_statement(lines, i, statement));
  EXPECT_EQ(statement, "#if A \\");
  i = 9;
  EXPECT_FALSE(Qdata::get_pre_processor_statement(lines, i, statement));
}

TEST(QdataViews, PreprocessedFileMapsLinesBackToTheirSource) {
  TempDir dir;
  Qdata::cmd_line_pp_file() = dir.write("main.cpp.i",
                                        "/*1*/ int a;\n"
                                        "no number here\n"
                                        "/*3*/ f(a, \"s\");\n"
                                        "# 1 \"box.h\"\n"
                                        "/*7*/ template <class T>\n"
                                        "/*7*/ class Box;\n"
                                        "/*12*/");
  const Qdata::PPFileTokens& pp = Qdata::get_tokenised_pp_file();
  ASSERT_EQ(pp.lines.size(), 5u);
  EXPECT_EQ(pp.lines[0].source.line, 0);
  EXPECT_EQ(pp.lines[0].tokens, (std::vector<U_String>{"int", "a", ";"}));
  EXPECT_EQ(pp.lines[0].positions, (std::vector<int>{0, 4, 5}));
  EXPECT_EQ(pp.lines[1].ppLine, 2);
  EXPECT_EQ(pp.lines[1].tokens.size(), 7u);
  EXPECT_EQ(pp.lines[2].source.file, 1);
  EXPECT_EQ(pp.lines[2].source.line, 6);
  EXPECT_TRUE(pp.lines[4].tokens.empty());

  const Qdata::LinenoLookup& index = Qdata::get_tokenised_pp_file_lineno_index();
  EXPECT_EQ(index.size(), 4u);
  EXPECT_EQ(index.at(Qdata::File_Lineno_T{0, 2}), 1);
  EXPECT_EQ(index.at(Qdata::File_Lineno_T{1, 6}), 2);  // the first of the two lines
  EXPECT_EQ(index.count(Qdata::File_Lineno_T{0, 6}), 0u);
  Qdata::cmd_line_pp_file().clear();
}

}  // namespace
