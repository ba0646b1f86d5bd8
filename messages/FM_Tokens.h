#ifndef MESSAGES_FM_TOKENS_H
#define MESSAGES_FM_TOKENS_H

#include <vector>

#include "util/U_BPtr.h"
#include "util/U_Exception.h"
#include "util/U_Ref.h"
#include "util/U_String.h"

// Token kinds of the message format language.
enum FM_TokenKind {
  FM_IF = 0, FM_ELSE = 1, FM_OPEN = 2, FM_CLOSE = 3,
  FM_LEVEL = 4, FM_MSGNO = 5, FM_MSGNO4 = 6, FM_RELFILE = 7, FM_ABSFILE = 8, FM_BASENAME = 9,
  FM_COND_FILE = 10, FM_LINE = 11, FM_FILELINE = 12, FM_COL = 13, FM_ZCOL = 14, FM_COND_LOC = 15,
  FM_CARET = 16, FM_TEXT = 17, FM_COND_VERBOSE = 18, FM_VERBOSE = 19, FM_HARD = 20, FM_SUBLEVEL = 21,
  FM_WRAP_HARD = 22, FM_WRAP_WORD = 23, FM_WRAP_CUT = 24, FM_WRAP_TEXT = 25,
  FM_UPDATE_LOC = 26, FM_RESET_LOC = 27, FM_REPEAT = 28,
  FM_LE = 29, FM_LT = 30, FM_GE = 31, FM_GT = 32, FM_EQ = 33, FM_NE = 34,
  FM_COND_END = 35, FM_ALPHA = 36, FM_NUM = 37
};

class FM_LexToken : public U_Ref {
 public:
  explicit FM_LexToken(int kind) : m_kind(kind) {}
  int getKind() const { return m_kind; }

 private:
  int m_kind;
};

class FM_LexNumToken : public FM_LexToken {
 public:
  explicit FM_LexNumToken(int value) : FM_LexToken(FM_NUM), m_value(value) {}
  int getValue() const { return m_value; }

 private:
  int m_value;
};

class FM_LexAlphaToken : public FM_LexToken {
 public:
  explicit FM_LexAlphaToken(U_String value) : FM_LexToken(FM_ALPHA), m_value(std::move(value)) {}
  const U_String& getValue() const { return m_value; }

 private:
  U_String m_value;
};

using FM_TokenList = std::vector<U_BPtr<FM_LexToken>>;
using FM_TokenPos = FM_TokenList::const_iterator;

// A malformed format.
class FM_ParseException : public U_Exception {
 public:
  explicit FM_ParseException(const U_String& text)
      : m_text(text), m_what("Error in format string '" + text + "'") {}
  const char* what() const noexcept override { return m_what.c_str(); }
  void print(std::ostream& os) const { os << "Error in format string at :" << m_text; }
  const U_String& text() const { return m_text; }

 private:
  U_String m_text;
  U_String m_what;
};

// Appends the tokens of the format text [pos, end) to TOKENS.
void FM_tokenizeFormatStr(U_String::const_iterator pos, U_String::const_iterator end, FM_TokenList& tokens);

// The text of one token and of a range of tokens.
U_String FM_getTokenStr(const FM_LexToken& token);
U_String FM_getTokensAsStr(FM_TokenPos first, FM_TokenPos last);

#endif
