#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "config/C_ArgSources.h"
#include "config/C_ConfigFileReader.h"

using config_test::ScopedEnv;

namespace {

// Every word of an argument file with the given text.
std::vector<std::string> wordsOf(const std::string& text, bool expand = true) {
  TempDir dir;
  const std::string file = dir.write("args", text);
  C_FileSource source(QL_String::create(file, eceNone), eceNone, QL_String());
  std::vector<std::string> words;
  for (U_String w = source.getWord(expand); !w.empty(); w = source.getWord(expand)) words.push_back(w);
  return words;
}

std::string translated(std::string text, bool stopAtNewline = false) {
  translateData(text, stopAtNewline, true, true);
  return text;
}

}  // namespace

TEST(ConfigFileReader, WordsQuotesCommentsAndContinuations) {
  EXPECT_EQ(wordsOf("  -d A\t'two words' \"x y\"z\n* -d COMMENT\n-op \\\n/tmp/out\n\"\" last"),
            (std::vector<std::string>{"-d", "A", "two words", "x yz", "-op", "/tmp/out", "last"}));
  // Escapes are processed on the line before it is split, so an escaped
  // backslash then makes the following blank part of the word.
  EXPECT_EQ(wordsOf("a\\\\ b"), (std::vector<std::string>{"a b"}));
  EXPECT_EQ(wordsOf("'unterminated quote\nnext"), (std::vector<std::string>{"unterminated quote", "next"}));
  EXPECT_EQ(wordsOf("\"open"), (std::vector<std::string>{"open"}));
  EXPECT_TRUE(wordsOf("").empty());
  EXPECT_TRUE(wordsOf("* only a comment\n").empty());
}

TEST(ConfigFileReader, VariableSubstitutionAndEscapes) {
  ScopedEnv env;
  env.set("HOME", "/home/user").set("TUK_UNSET_VARIABLE", std::nullopt).set("TUK_V_1", "v1");
  EXPECT_EQ(wordsOf("$HOME/a ${HOME}/b $$HOME $TUK_UNSET_VARIABLE-x ${TUK_V_1}.c"),
            (std::vector<std::string>{"/home/user/a", "/home/user/b", "$HOME", "-x", "v1.c"}));
  EXPECT_EQ(wordsOf("$HOME", false), (std::vector<std::string>{"$HOME"}));
  EXPECT_EQ(translated("a\\tb\\nc\\q$"), "a\tb\nc" "q$");
  EXPECT_EQ(translated("first\nsecond", true), "first");

  testing::internal::CaptureStdout();
  const std::string bad = translated("x ${HOME y\n");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\nERROR: Badly formed variable substitution:\n\tx ${HOME y\n\n");
  EXPECT_EQ(bad, "x \n") << "the rest of the line is dropped, its newline kept";
  testing::internal::CaptureStdout();
  EXPECT_EQ(wordsOf("a ${B\nc"), (std::vector<std::string>{"a", "c"}));
  testing::internal::GetCapturedStdout();
}

// Lines, joined lines and substitutions are kept whole, however long: a
// long line is never split into pieces that read as further lines.
TEST(ConfigFileReader, LongLinesAreReadWhole) {
  TempDir dir;
  const std::string longWord(5000, 'w');
  const std::string file = dir.write("long", longWord + " tail\n" + std::string(3000, 'x') + "\\\n" +
                                                 std::string(3000, 'y') + "\n'" + std::string(5000, 'q'));
  InputFileTranslator in(QL_String::create(file, eceNone), eceNone);
  ASSERT_TRUE(in.isOpen());
  std::vector<std::string> lines;
  for (U_String line; readLine(line, in);) lines.push_back(line);
  const std::string joined = std::string(3000, 'x') + std::string(3000, 'y') + "\n";
  EXPECT_EQ(lines, (std::vector<std::string>{longWord + " tail\n", joined, "'" + std::string(5000, 'q')}));

  EXPECT_EQ(wordsOf(longWord + " tail\n'" + std::string(5000, 'q')),
            (std::vector<std::string>{longWord, "tail", std::string(5000, 'q')}));
  // A "*" that falls at byte 1024 of a long line is text, not a comment.
  EXPECT_EQ(wordsOf(std::string(1023, 'a') + "*b -c\n-d"),
            (std::vector<std::string>{std::string(1023, 'a') + "*b", "-c", "-d"}));

  ScopedEnv env;
  env.set("TUK_BIG", std::string(3000, 'b'));
  EXPECT_EQ(translated("$TUK_BIG$TUK_BIG"), std::string(6000, 'b'));
  EXPECT_EQ(translated(std::string(5000, 'z')), std::string(5000, 'z'));
}

TEST(ConfigFileReader, ParserStacksSourcesTopFirst) {
  C_CmdArgParser parser(true);
  const char* bottom[] = {"b1", "b2"};
  const char* top[] = {"t1"};
  parser.push(new C_ArgvSource(2, bottom));
  parser.push(new C_ArgvSource(1, top));
  parser.push(new C_FileSource(QL_String::create("/no/such/file", eceNone), eceNone, QL_String()));
  std::vector<std::string> words;
  for (U_String w; parser.getWord(w);) words.push_back(w);
  EXPECT_EQ(words, (std::vector<std::string>{"t1", "b1", "b2"}));

  C_CmdArgParser again(true);
  const char* many[] = {"0123456789abcdef", "x", "-op=/a/long/directory/name"};
  again.push(new C_ArgvSource(3, many));
  C_CmdArgStreamBuffer buffer(again, eceNone, QL_String());
  std::istream in(&buffer);
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  EXPECT_EQ(lines, (std::vector<std::string>{"0123456789abcdef", "x", "-op=/a/long/directory/name"}));
}
