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

// Rows of {format, its text for message 1540 at 1:1}.
void expectTexts(std::initializer_list<std::pair<const char*, const char*>> rows) {
  for (const auto& [format, expected] : rows) EXPECT_EQ(fmt(format, fileOpenDiag(1, 1)), expected) << format;
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
  expectTexts({{"%?g>=3%(high%:low%)", "high"}, {"%?g%(x%)", "x"}, {"%?3%(three%)%? 0%(zero%)", "three"},
               {"%?n==1540%(a%:b%)%?n!=1540%(c%:d%)%?l<2%(e%)%?l<=0%(f%)%?c>0%(g%)", "adeg"},
               // Nested groups; the part not chosen is skipped with its own groups.
               {"%?h%(%?g%(A%:B%)%:%?g%(C%:D%)%)!", "C!"}, {"%?v%(verbose%:plain%)", "verbose"},
               // Text after a "%)" outside any group is not evaluated.
               {"abc%)def", "abc"}});
  // Unknown messages have level 0; message 1701 has no verbose text.
  EXPECT_EQ(fmt("%?g>=3%(high%:low%)", diag(99999, loc("/a.c", 1, 1))), "low");
  EXPECT_EQ(fmt("%?g%(x%)", diag(99999, loc("/a.c", 1, 1))), "");
  EXPECT_EQ(fmt("%?v%(verbose%:plain%)", diag(1701, loc("/a.c", 1, 1))), "plain");
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
  expectTexts({{"%w3abcdef", "abc\ndef"}, {"%w(3)abcdefg", "abc\ndef\ng"}, {"%w4%i(> )abcdefgh", "abcd\n> ef\n> gh"},
               {"%W10one two three four", "one two\nthree four"}, {"%W5%i(..)abcdefgh ij", "abcde\n..fgh\n..ij"},
               {"%s4abcdef", "abcd"}, {"%w3ab\ncdef", "ab\ncde\nf"}, {"%w3%?w%(yes%)", "yes"},
               // A wrap text as long as the size still moves on.
               {"%w2%i(>>)abc", "ab\n>>c"}});
  EXPECT_EQ(fmt("%s(%C)abcdef", fileOpenDiag(1, 3)), "ab");
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
  const std::string end = "Error in format string 'Unexpected end'";
  expectTexts({{"%?g%(abc", end.c_str()}, {"%?g%(a%:b", end.c_str()}, {"%w", end.c_str()},
               {"%?g x", "Error in format string 'x'"}, {"%?R%(x%)", "Error in format string 'R%(x%)'"},
               {"%?g==%(x%)", "Error in format string '%(x%)'"}, {"a%h", "Error in format string '%h'"}});
  U_BPtr<M_Diagnostic> d = fileOpenDiag(1, 1);
  EXPECT_EQ(fmt("%?f%(x%)", d).rfind("Error in format string '", 0), 0u);
  EXPECT_EQ(fmt("%?g==1 x%(y%)", d).rfind("Error in format string '", 0), 0u);
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
