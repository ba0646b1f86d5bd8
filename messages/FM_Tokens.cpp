#include "messages/FM_Tokens.h"

#include <cctype>
#include <climits>
#include <cstring>

#include "messages/M_Settings.h"

namespace {

// Indexed by token kind, up to FM_COND_END.
const char* const kTokenText[] = {
    "%?", "%:", "%(", "%)", "%g", "%n", "%N", "%f", "%F", "%B", "F", "%l",
    "L",  "%c", "%C", "C",  "%^", "%t", "v",  "%v", "%h", "u",  "%w", "%W",
    "%s", "%i", "%q", "%Q", "%R", "<=", "<",  ">=", ">",  "==", "!=", ""};
static_assert(sizeof(kTokenText) / sizeof(kTokenText[0]) == FM_COND_END + 1, "one text per kind");

// The token kind of a directive letter; -1 when the letter is none.
int directiveKind(char c, bool inCondition) {
  switch (c) {
    case 'g': return FM_LEVEL;
    case 'n': return FM_MSGNO;
    case 'N': return FM_MSGNO4;
    case 'f': return FM_RELFILE;
    case 'F': return inCondition ? FM_COND_FILE : FM_ABSFILE;
    case 'B': return FM_BASENAME;
    case 'l': return FM_LINE;
    case 'L': return FM_FILELINE;
    case 'c': return FM_COL;
    case 'C': return inCondition ? FM_COND_LOC : FM_ZCOL;
    case '^': return FM_CARET;
    case 't': return FM_TEXT;
    case 'v': return inCondition ? FM_COND_VERBOSE : FM_VERBOSE;
    case 'h': return FM_HARD;
    case 'u': return FM_SUBLEVEL;
    case 'q': return FM_UPDATE_LOC;
    case 'Q': return FM_RESET_LOC;
    default: return -1;
  }
}

// Scans one format text; positions are iterators into it.
class Tokenizer {
 public:
  using It = U_String::const_iterator;
  Tokenizer(It pos, It end, FM_TokenList& out) : m_pos(pos), m_end(end), m_out(out) {}

  void run() {
    while (m_pos != m_end) {
      if (*m_pos != '%') {
        literalUntil("%");
        continue;
      }
      ++m_pos;
      directive();
    }
  }

 private:
  [[noreturn]] void failRest() const { throw FM_ParseException(U_String(m_pos, m_end)); }
  [[noreturn]] static void failEnd() { throw FM_ParseException("Unexpected end"); }

  void add(int kind) { m_out.push_back(new FM_LexToken(kind)); }
  void addAlpha(const U_String& text) { m_out.push_back(new FM_LexAlphaToken(text)); }

  // Literal text up to one of STOPS; a NUL byte is text, not a stop.
  void literalUntil(const char* stops) {
    It start = m_pos;
    while (m_pos != m_end && (*m_pos == '\0' || !std::strchr(stops, *m_pos))) ++m_pos;
    addAlpha(U_String(start, m_pos));
  }

  void skipBlanks() {
    while (m_pos != m_end && (*m_pos == ' ' || *m_pos == '\t')) ++m_pos;
  }

  bool atDigit() const {
    return m_pos != m_end && (std::isdigit(static_cast<unsigned char>(*m_pos)) ||
                              (*m_pos == '-' && m_pos + 1 != m_end &&
                               std::isdigit(static_cast<unsigned char>(m_pos[1]))));
  }

  // A decimal number, saturated to the int range.
  void number() {
    bool negative = *m_pos == '-';
    if (negative) ++m_pos;
    long long v = 0;
    while (m_pos != m_end && std::isdigit(static_cast<unsigned char>(*m_pos))) {
      if (v < INT_MAX) v = v * 10 + (*m_pos - '0');
      ++m_pos;
    }
    if (v > INT_MAX) v = INT_MAX;
    m_out.push_back(new FM_LexNumToken(static_cast<int>(negative ? -v : v)));
  }

  void directive() {
    if (m_pos == m_end || *m_pos == '%') {  // "%%" or a "%" at the very end
      addAlpha("%");
      if (m_pos != m_end) ++m_pos;
      return;
    }
    char c = *m_pos++;
    switch (c) {
      case '?': add(FM_IF); condition(); return;
      case '(': add(FM_OPEN); return;
      case ':': add(FM_ELSE); return;
      case ')': add(FM_CLOSE); return;
      case 'i': add(FM_WRAP_TEXT); wrapText(); return;
      case 'w': add(FM_WRAP_HARD); wrapSize(); return;
      case 'W': add(FM_WRAP_WORD); wrapSize(); return;
      case 's': add(FM_WRAP_CUT); wrapSize(); return;
      case 'R': add(FM_REPEAT); repeat(); return;
      default: break;
    }
    int kind = directiveKind(c, false);
    if (kind >= 0) {
      add(kind);
    } else {  // not a directive: the "%" and what follows are text
      --m_pos;
      addAlpha("%");
    }
  }

  // "%i(TEXT)"; without "(" the wrap text is empty.
  void wrapText() {
    if (m_pos == m_end || *m_pos != '(') {
      addAlpha("");
      return;
    }
    ++m_pos;
    It start = m_pos;
    while (m_pos != m_end && *m_pos != ')') ++m_pos;
    if (m_pos == m_end) failEnd();
    addAlpha(U_String(start, m_pos));
    ++m_pos;
  }

  // One value: a number, "%" and a directive letter, or a bare letter.
  void value() {
    skipBlanks();
    if (m_pos == m_end) failEnd();
    if (atDigit()) return number();
    bool percent = *m_pos == '%';
    if (percent && ++m_pos == m_end) failEnd();
    int kind = directiveKind(*m_pos, !percent);
    if (kind < 0) failRest();
    ++m_pos;
    add(kind);
  }

  void expect(char c) {
    skipBlanks();
    if (m_pos == m_end) failEnd();
    if (*m_pos != c) failRest();
    ++m_pos;
  }

  // "%w80" or "%w(80)" (or a property in the parentheses).
  void wrapSize() {
    if (m_pos == m_end) failEnd();
    if (atDigit()) return number();
    if (*m_pos != '(') failRest();
    ++m_pos;
    value();
    expect(')');
  }

  // "%R(COUNT,TEXT)".
  void repeat() {
    expect('(');
    value();
    expect(',');
    It start = m_pos;
    while (m_pos != m_end && *m_pos != ')') ++m_pos;
    if (m_pos == m_end) failEnd();
    addAlpha(U_String(start, m_pos));
    ++m_pos;
  }

  // After "%?": a property (letter without "%", number or literal text),
  // then an operator and a number, or the "%" of the following "%(".
  void condition() {
    skipBlanks();
    if (m_pos == m_end) failEnd();
    char c = *m_pos;
    if (c == 'R' || c == 'q' || c == 'Q' || c == '%') failRest();
    int kind = directiveKind(c, true);
    if (c == 'w') kind = FM_WRAP_HARD;
    if (c == 'W') kind = FM_WRAP_WORD;
    if (c == 's') kind = FM_WRAP_CUT;
    if (atDigit()) {
      number();
    } else if (kind >= 0) {
      add(kind);
      ++m_pos;
    } else {
      literalUntil("<>=!%");
    }
    skipBlanks();
    if (m_pos == m_end) failEnd();
    if (*m_pos == '%') return add(FM_COND_END);
    comparison();
  }

  void comparison() {
    static const struct { const char* text; int kind; } kOps[] = {
        {"<=", FM_LE}, {">=", FM_GE}, {"==", FM_EQ}, {"!=", FM_NE}, {"<", FM_LT}, {">", FM_GT}};
    for (const auto& op : kOps) {
      size_t len = std::strlen(op.text);
      if (static_cast<size_t>(m_end - m_pos) >= len && U_String(m_pos, m_pos + len) == op.text) {
        m_pos += len;
        add(op.kind);
        skipBlanks();
        if (m_pos == m_end) failEnd();
        if (!atDigit()) failRest();
        return number();
      }
    }
    failRest();
  }

  It m_pos;
  It m_end;
  FM_TokenList& m_out;
};

}  // namespace

void FM_tokenizeFormatStr(U_String::const_iterator pos, U_String::const_iterator end, FM_TokenList& tokens) {
  Tokenizer(pos, end, tokens).run();
  if (M_Settings::hasDebug("show-format"))
    std::printf("%s\n", FM_getTokensAsStr(tokens.begin(), tokens.end()).c_str());
}

U_String FM_getTokenStr(const FM_LexToken& token) {
  if (token.getKind() == FM_ALPHA) return static_cast<const FM_LexAlphaToken&>(token).getValue();
  if (token.getKind() == FM_NUM) return std::to_string(static_cast<const FM_LexNumToken&>(token).getValue());
  if (token.getKind() >= 0 && token.getKind() <= FM_COND_END) return kTokenText[token.getKind()];
  return U_String();
}

U_String FM_getTokensAsStr(FM_TokenPos first, FM_TokenPos last) {
  U_String out;
  for (; first != last; ++first) out += FM_getTokenStr(**first);
  return out;
}
