#include <algorithm>
#include <gtest/gtest.h>

#include "MessagesTestSupport.h"
#include "messages/FM_ParseInfo.h"
#include "messages/M_MessageTable.h"
#include "messages/M_formatMessage.h"

using namespace messages_test;

namespace {

// Message 1540 has level 9 and a text naming its one parameter.
U_BPtr<M_Diagnostic> fileOpenDiag(int line, int col, bool error = false) {
  U_BPtr<M_Diagnostic> d = diag(M_MSG_FILE_OPEN_ERROR, loc("/src/main.cpp", line, col));
  d->addParameter(U_String("/out/x.met"));
  d->setError(error);
  return d;
}

std::string fmt(const std::string& format, const U_BPtr<M_Diagnostic>& d, int subLevel = 0) {
  return M_formatMessage(format, d, subLevel);
}

class FormatMessage : public testing::Test {
 protected:
  void SetUp() override {
    resetGlobalOptions();
    M_resetMessageFormatter();
  }
  void TearDown() override { M_resetMessageFormatter(); }
};

}  // namespace

TEST_F(FormatMessage, DefaultFormatParts) {
  const std::string text = "Cannot open file '/out/x.met'.";
  EXPECT_EQ(fmt(M_DEFAULT_MESSAGE_FORMAT, fileOpenDiag(10, 5)), ":10:5: Msg (9;1540) " + text);
  EXPECT_EQ(fmt(M_DEFAULT_MESSAGE_FORMAT, fileOpenDiag(10, 5, true)), ":10:5: Err (9;1540) " + text);
  // A sub-message of level 2: "-->" and two blanks per level.
  EXPECT_EQ(fmt(M_DEFAULT_MESSAGE_FORMAT, fileOpenDiag(10, 5), 2), ":10:5: --> (9;1540)     " + text);
  // Numbers below 1000 are padded to four digits; unknown numbers have level 0.
  EXPECT_EQ(fmt("(%g;%N)", diag(123, loc("/a.c", 1, 1))), "(0;0123)");
  EXPECT_EQ(fmt("%n %c %C %l %u", fileOpenDiag(10, 5), 1), "1540 5 4 10 1");
  EXPECT_EQ(fmt("%B|%F", fileOpenDiag(1, 1)), "main|/src/main.cpp");
}

TEST_F(FormatMessage, ConditionsChooseTheirPart) {
  const std::string levels = "%?g>=3%(high%:low%)";
  U_BPtr<M_Diagnostic> level9 = fileOpenDiag(1, 1);
  U_BPtr<M_Diagnostic> level0 = diag(99999, loc("/a.c", 1, 1));
  EXPECT_EQ(fmt(levels, level9), "high");
  EXPECT_EQ(fmt(levels, level0), "low");
  EXPECT_EQ(fmt("%?g%(x%)", level9), "x");
  EXPECT_EQ(fmt("%?g%(x%)", level0), "");
  EXPECT_EQ(fmt("%?n==1540%(a%:b%)%?n!=1540%(c%:d%)%?l<2%(e%)%?l<=0%(f%)%?c>0%(g%)", level9), "adeg");
  // Nested groups; the part not chosen is skipped with its own groups.
  EXPECT_EQ(fmt("%?h%(%?g%(A%:B%)%:%?g%(C%:D%)%)!", level9), "C!");
  EXPECT_EQ(fmt("%?3%(three%)%? 0%(zero%)", level9), "three");
  EXPECT_EQ(fmt("%?v%(verbose%:plain%)", level9), "verbose");
  EXPECT_EQ(fmt("%?v%(verbose%:plain%)", diag(1701, loc("/a.c", 1, 1))), "plain");
  // Text after a "%)" outside any group is not evaluated.
  EXPECT_EQ(fmt("abc%)def", level9), "abc");
}

TEST_F(FormatMessage, PreviousLocationIsRememberedAfterQ) {
  const std::string onNewFile = "%?F%(new file%)";
  EXPECT_EQ(fmt(onNewFile, fileOpenDiag(1, 1)), "new file");  // no previous location yet
  EXPECT_EQ(fmt(onNewFile + "%q", fileOpenDiag(1, 1)), "new file");
  EXPECT_EQ(fmt(onNewFile, fileOpenDiag(7, 1)), "");
  EXPECT_EQ(fmt("%?L%(L%:same%)", fileOpenDiag(7, 1)), "L");
  EXPECT_EQ(fmt("%?L%(L%:same%)", fileOpenDiag(1, 1)), "same");
  EXPECT_EQ(fmt("%?C%(moved%:same%)", fileOpenDiag(1, 2)), "moved");
  EXPECT_EQ(fmt(onNewFile, diag(5, loc("/src/other.cpp", 1, 1))), "new file");
  // Reset wins over update.
  fmt("%q%Q", fileOpenDiag(1, 1));
  EXPECT_EQ(fmt(onNewFile, fileOpenDiag(1, 1)), "new file");
}

TEST_F(FormatMessage, RepetitionCaretAndPercent) {
  EXPECT_EQ(fmt("[%R(%u,ab)]", fileOpenDiag(1, 1), 3), "[ababab]");
  EXPECT_EQ(fmt("[%R(%u,ab)]", fileOpenDiag(1, 1), 0), "[]");
  EXPECT_EQ(fmt("[%R(2,-)%R(%C,.)]", fileOpenDiag(1, 4)), "[--...]");
  EXPECT_EQ(fmt("%^", fileOpenDiag(1, 1)), "^");
  EXPECT_EQ(fmt("%^", fileOpenDiag(1, 0)), "");
  EXPECT_EQ(fmt("%^", fileOpenDiag(1, 4)), "   ^");
  // A caret in a sub-message only under the line of the message before it.
  EXPECT_EQ(fmt("%^", fileOpenDiag(2, 3), 1), "");  // no previous location
  fmt("%q", fileOpenDiag(2, 1));
  EXPECT_EQ(fmt("%^", fileOpenDiag(2, 3), 1), "  ^");
  EXPECT_EQ(fmt("%^", fileOpenDiag(5, 3), 1), "");
  EXPECT_EQ(fmt("100%% sure%", fileOpenDiag(1, 1)), "100% sure%");
  EXPECT_EQ(fmt("%z%L<NL>x<TB>y", fileOpenDiag(1, 1)), "%zL\nx\ty");
  EXPECT_EQ(fmt(std::string("a\0b%?\0<1%(c%)", 13), fileOpenDiag(1, 1)), std::string("a\0bc", 4));
}

TEST_F(FormatMessage, Wrapping) {
  U_BPtr<M_Diagnostic> d = fileOpenDiag(1, 1);
  EXPECT_EQ(fmt("%w3abcdef", d), "abc\ndef");
  EXPECT_EQ(fmt("%w(3)abcdefg", d), "abc\ndef\ng");
  EXPECT_EQ(fmt("%w4%i(> )abcdefgh", d), "abcd\n> ef\n> gh");
  EXPECT_EQ(fmt("%W10one two three four", d), "one two\nthree four");
  EXPECT_EQ(fmt("%W5%i(..)abcdefgh ij", d), "abcde\n..fgh\n..ij");
  EXPECT_EQ(fmt("%s4abcdef", d), "abcd");
  EXPECT_EQ(fmt("%s(%C)abcdef", fileOpenDiag(1, 3)), "ab");
  EXPECT_EQ(fmt("%w3ab\ncdef", d), "ab\ncde\nf");
  EXPECT_EQ(fmt("%w3%?w%(yes%)", d), "yes");
  // A wrap text as long as the size still moves on.
  EXPECT_EQ(fmt("%w2%i(>>)abc", d), "ab\n>>c");
}

// Wrapping by inserting into the text took minutes on 100 KB; repeats of
// one message stop at 1 MiB.
TEST_F(FormatMessage, LongTextsWrapAndRepeatsStop) {
  U_BPtr<M_Diagnostic> d = fileOpenDiag(1, 1);
  const std::string wrapped = fmt("%W5%R(10000,abcdefg hij )", d);
  std::string letters;
  size_t longest = 0, line = 0;
  for (char c : wrapped) {
    line = c == '\n' ? 0 : line + 1;
    longest = std::max(longest, line);
    if (c != '\n' && c != ' ') letters += c;
  }
  EXPECT_EQ(longest, 5u);
  std::string expected;
  for (int i = 0; i < 10000; ++i) expected += "abcdefghij";
  EXPECT_EQ(letters, expected);
  const std::string repeated = fmt("%R(10000," + std::string(200, 'x') + ")", d);
  EXPECT_EQ(repeated.size(), ((1u << 20) / 200) * 200);
}

TEST_F(FormatMessage, MalformedFormatsReportThemselves) {
  U_BPtr<M_Diagnostic> d = fileOpenDiag(1, 1);
  EXPECT_EQ(fmt("%?g%(abc", d), "Error in format string 'Unexpected end'");
  EXPECT_EQ(fmt("%?g%(a%:b", d), "Error in format string 'Unexpected end'");
  EXPECT_EQ(fmt("%w", d), "Error in format string 'Unexpected end'");
  EXPECT_EQ(fmt("%?g x", d), "Error in format string 'x'");
  EXPECT_EQ(fmt("%?R%(x%)", d), "Error in format string 'R%(x%)'");
  EXPECT_EQ(fmt("%?g==%(x%)", d), "Error in format string '%(x%)'");
  EXPECT_EQ(fmt("a%h", d), "Error in format string '%h'");
  EXPECT_EQ(fmt("%?f%(x%)", d).rfind("Error in format string '", 0), 0u);
  EXPECT_EQ(fmt("%?g==1 x%(y%)", d).rfind("Error in format string '", 0), 0u);
  FM_ParseException e("bad");
  std::ostringstream os;
  e.print(os);
  EXPECT_EQ(os.str(), "Error in format string at :bad");
}

TEST_F(FormatMessage, TokensShowAsTheirText) {
  FM_TokenList tokens;
  std::string format = "x%?u==0%(%N%:%^%)%R(%c,y)";
  FM_tokenizeFormatStr(format.begin(), format.end(), tokens);
  EXPECT_EQ(FM_getTokensAsStr(tokens.begin(), tokens.end()), "x%?u==0%(%N%:%^%)%R%cy");
  ASSERT_GE(tokens.size(), 4u);
  EXPECT_EQ(tokens[2]->getKind(), FM_SUBLEVEL);
  EXPECT_EQ(tokens[3]->getKind(), FM_EQ);
}

TEST_F(FormatMessage, MessageTextTakesTheParameters) {
  U_BPtr<M_Diagnostic> d = fileOpenDiag(1, 1);
  EXPECT_EQ(M_formatAndAddParameter(*d, false), "Cannot open file '/out/x.met'.");
  EXPECT_NE(M_formatAndAddParameter(*d, true).find("'/out/x.met' could not be opened"), std::string::npos);
  U_BPtr<M_Diagnostic> unknown = diag(424242, loc("/a.c", 1, 1));
  EXPECT_EQ(M_formatAndAddParameter(*unknown, false), "Message without a known text");
  unknown->addParameter(U_String("p1"));
  unknown->addParameter(7);
  EXPECT_EQ(M_formatAndAddParameter(*unknown, false), "Message without a known text: p1, 7");
}
