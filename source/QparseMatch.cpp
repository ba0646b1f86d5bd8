#include <cstring>

#include "source/Qparse.h"

namespace {

const std::size_t npos = U_String::npos;

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool isWhiteSpace(char c) { return c != '\0' && std::strchr(" \t\n\r\f\v", c) != nullptr; }

std::size_t firstNonBlank(const U_String& s, std::size_t from = 0) {
  return s.find_first_not_of(" \t", from);
}

std::size_t lastNonBlank(const U_String& s) { return s.find_last_not_of(" \t"); }

// Overwrites every non-overlapping `marker` (two characters) with blanks.
void blankEvery(U_String& s, const char* marker) {
  for (std::size_t p = s.find(marker); p != npos; p = s.find(marker, p + 2)) s.replace(p, 2, "  ");
}

}  // namespace

namespace Qparse {

bool match_all_whitespace(const U_String& s) { return firstNonBlank(s) == npos; }

bool match_is_all_spaces(const U_String& s) { return s.find_first_not_of(' ') == npos; }

bool match_token_is_whitespace_then_colon(const U_String& s) {
  std::size_t p = firstNonBlank(s);
  return p != npos && s[p] == ':';
}

bool match_whitespace_then_hash(const U_String& s) {
  std::size_t p = firstNonBlank(s);
  return p != npos && s[p] == '#';
}

bool match_trailing_backslash_and_whitespace(const U_String& s) {
  std::size_t p = lastNonBlank(s);
  return p != npos && s[p] == '\\';
}

bool match_trailing_comment_that_spans_lines(const U_String& s) {
  std::size_t p = lastNonBlank(s);
  return p != npos && p >= 1 && s[p - 1] == '/' && s[p] == '*';
}

bool match_hash_directive(const U_String& s, const U_String& name) {
  std::size_t p = firstNonBlank(s);
  if (p == npos || s[p] != '#') return false;
  p = firstNonBlank(s, p + 1);
  if (p == npos || s.compare(p, name.size(), name) != 0) return false;
  std::size_t after = p + name.size();
  if (after >= s.size()) return true;
  char c = s[after];
  return !isAsciiLetter(c) && !isAsciiDigit(c) && c != '_';
}

bool match_hash_define_directive(const U_String& s) { return match_hash_directive(s, "define"); }

bool match_token_is_identifier(const U_String& s) {
  if (s.empty()) return false;
  auto extra = [](char c) { return c == '_' || c == '@' || c == '$'; };
  if (!isAsciiLetter(s[0]) && !extra(s[0])) return false;
  for (char c : s)
    if (!isAsciiLetter(c) && !isAsciiDigit(c) && !extra(c)) return false;
  return true;
}

unsigned int count_to_word_boundary(const U_String& s, std::size_t pos) {
  if (pos >= s.size()) return 0;
  std::size_t end = pos;
  if (is_word_char(s[pos])) {
    while (end < s.size() && is_word_char(s[end])) ++end;
  } else {
    while (end < s.size() && !is_word_char(s[end]) && !isWhiteSpace(s[end])) ++end;
    if (end == pos) end = pos + 1;
  }
  return static_cast<unsigned int>(end - pos);
}

U_String remove_comment_delimiters(const U_String& s) {
  U_String out = s;
  blankEvery(out, "/*");
  blankEvery(out, "//");
  blankEvery(out, "*/");
  return out;
}

U_String extract_string_between(const U_String& s, char open, char close) {
  std::size_t start = s.find(open);
  if (start == npos) return U_String();
  std::size_t end = s.find(close, start + 1);
  if (end == npos) return U_String();
  return s.substr(start + 1, end - start - 1);
}

std::vector<U_String> split_on_char_sequence(const U_String& s, char c) {
  std::vector<U_String> pieces;
  for (const U_String& piece : split_on_char_precise(s, c))
    if (!piece.empty()) pieces.push_back(piece);
  return pieces;
}

std::vector<U_String> split_on_char_precise(const U_String& s, char c) {
  std::vector<U_String> pieces;
  std::size_t start = 0;
  for (std::size_t p = s.find(c); p != npos; p = s.find(c, start)) {
    pieces.push_back(s.substr(start, p - start));
    start = p + 1;
  }
  pieces.push_back(s.substr(start));
  return pieces;
}

}  // namespace Qparse
