#include "source/Qgen.h"
#include "source/Qparse.h"

namespace {

const std::size_t npos = U_String::npos;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isQuote(char c) { return c == '"' || c == '\''; }

std::size_t skipDigits(const U_String& t, std::size_t i, bool (*digit)(char)) {
  while (i < t.size() && digit(t[i])) ++i;
  return i;
}

// Length of the number starting at `pos` (0 when none starts there).  A
// suffix is not part of it; an exponent letter only belongs to the number
// when a digit, or a sign and a digit, follows it.
std::size_t numberLength(const U_String& t, std::size_t pos) {
  if (!isDigit(t[pos])) return 0;
  if (t[pos] == '0' && pos + 1 < t.size() && (t[pos + 1] == 'x' || t[pos + 1] == 'X'))
    return skipDigits(t, pos + 2, isHexDigit) - pos;
  std::size_t i = skipDigits(t, pos, isDigit);
  if (i < t.size() && t[i] == '.') i = skipDigits(t, i + 1, isDigit);
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && isDigit(t[j])) i = skipDigits(t, j, isDigit);
  }
  return i - pos;
}

// Length of the literal opened by the quote at `pos`, closing quote
// included; an unterminated literal runs to the end of the line.
std::size_t literalLength(const U_String& t, std::size_t pos) {
  const char quote = t[pos];
  std::size_t i = pos + 1;
  while (i < t.size()) {
    if (t[i] == '\\') {
      i += 2;
    } else if (t[i] == quote) {
      return i + 1 - pos;
    } else {
      ++i;
    }
  }
  return t.size() - pos;
}

// Length of the operator at `pos`: the first table row of its leading
// character whose continuation follows; 1 when none does.
std::size_t operatorLength(const U_String& t, std::size_t pos) {
  for (const Qparse::LexEntry& entry : Qparse::lex_table()) {
    if (entry.leading != t[pos]) continue;
    for (const U_String& cont : entry.continuations)
      if (t.compare(pos + 1, cont.size(), cont) == 0) return 1 + cont.size();
  }
  return 1;
}

struct TokenSink {
  const U_String& text;
  std::vector<U_String>& tokens;
  std::vector<int>& positions;

  void add(std::size_t pos, std::size_t len) {
    tokens.push_back(text.substr(pos, len));
    positions.push_back(static_cast<int>(pos));
  }
};

// "# include <name>": adds '#', "include" and the bracketed name as three
// tokens and returns the position after '>'; npos when the line has no
// such directive at `pos`.
std::size_t includeDirective(TokenSink& sink, std::size_t pos) {
  const U_String& t = sink.text;
  if (t[pos] != '#') return npos;
  std::size_t word = t.find_first_not_of(" \t", pos + 1);
  if (word == npos || t.compare(word, 7, "include") != 0) return npos;
  std::size_t open = word + 7;
  if (open < t.size() && Qparse::is_word_char(t[open])) return npos;
  open = t.find_first_not_of(" \t", open);
  if (open == npos || t[open] != '<') return npos;
  std::size_t close = t.find('>', open + 1);
  if (close == npos) return npos;
  sink.add(pos, 1);
  sink.add(word, 7);
  sink.add(open, close - open + 1);
  return close + 1;
}

// Cuts a run of punctuation into tokens; returns where scanning goes on
// (past the run's end when a literal opened inside it runs further).
std::size_t cutPunctuationRun(TokenSink& sink, std::size_t pos, std::size_t runEnd) {
  const U_String& t = sink.text;
  while (pos < runEnd) {
    std::size_t len = 1;
    if (isQuote(t[pos]))
      len = literalLength(t, pos);
    else if (!Qparse::is_single_punctuator(t[pos]))
      len = operatorLength(t, pos);
    sink.add(pos, len);
    pos += len;
  }
  return pos;
}

// Adds the token (or tokens) starting at `pos` and returns the position
// after them.
std::size_t scanAt(TokenSink& sink, std::size_t pos, std::size_t run) {
  const U_String& t = sink.text;
  std::size_t end = includeDirective(sink, pos);
  if (end != npos) return end;
  if (t.compare(pos, 3, "...") == 0) {
    sink.add(pos, 3);
    return pos + 3;
  }
  std::size_t len = numberLength(t, pos);
  if (len == 0 && isQuote(t[pos])) len = literalLength(t, pos);
  if (len == 0 && Qparse::is_word_char(t[pos])) len = run;
  if (len == 0) return cutPunctuationRun(sink, pos, pos + run);
  sink.add(pos, len);
  return pos + len;
}

}  // namespace

namespace Qparse {

void split_line_into_tokens_and_positions(const U_String& line, std::vector<U_String>& tokens,
                                          std::vector<int>& positions) {
  tokens.clear();
  positions.clear();
  const U_String text = Qgen::Expand_Tabs(line, 8);
  TokenSink sink{text, tokens, positions};
  std::size_t pos = text.find_first_not_of(' ');
  while (pos != npos && pos < text.size()) {
    unsigned int run = count_to_word_boundary(text, pos);
    if (run == 0) break;
    pos = text.find_first_not_of(' ', scanAt(sink, pos, run));
  }
}

std::vector<U_String> split_into_tokens(const U_String& line) {
  std::vector<U_String> tokens;
  std::vector<int> positions;
  split_line_into_tokens_and_positions(line, tokens, positions);
  return tokens;
}

}  // namespace Qparse
