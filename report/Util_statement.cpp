// Cutting a declaration's lines out of its source file.
//
// The definition line holds the entity's name token.  The declaration is
// widened upwards until a token that ends the previous statement or opens
// the enclosing scope (";", ":", "}", "{") outside brackets, and downwards
// until its ";" or the "{" of its body.
#include <cctype>
#include <cstddef>
#include <iterator>

#include "report/Util.h"
#include "source/Qdata.h"
#include "source/Qgen.h"
#include "source/Qparse.h"

namespace Util {

namespace {

using Tokens = std::vector<U_String>;

Tokens tokens_of(const std::vector<U_String>& clean, int index) {
  return Qparse::split_into_tokens(Qparse::remove_comment_delimiters(clean[index]));
}

U_String trim_after_last_identifier_char(const U_String& name) {
  static const char kIdent[] =
      "abcdefghijklmnopqrstuvwxyz_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  size_t p = name.find_last_of(kIdent);
  return p == U_String::npos ? U_String() : name.substr(0, p + 1);
}

// "operator" run together with an identifier: how a conversion function's
// name reaches the fragment search ("operatorbool", "operatorvalue_t").
bool is_conversion_name(const U_String& wanted) {
  static const U_String kOperator = "operator";
  if (wanted.size() <= kOperator.size() || wanted.compare(0, kOperator.size(), kOperator) != 0)
    return false;
  const char c = wanted[kOperator.size()];
  return c == '_' || std::isalpha(static_cast<unsigned char>(c));
}

// A token made of two or more ">" only, which closes that many lists.
bool is_closer_run(const U_String& t) {
  return t.size() > 1 && t.find_first_not_of('>') == U_String::npos;
}

struct Depths {
  int paren = 0, angle = 0, square = 0;
  bool splitClosers = false;
  bool open() const { return paren > 0 || angle > 0 || square > 0; }
  // Counts t when it is a bracket; `sign` is +1 for the opening brackets.
  // In structural mode "<" and ">" inside parentheses or square brackets
  // are comparisons ("LIB_ENABLE_IF(sizeof(To) > sizeof(From))"), which
  // the open parenthesis keeps inside the declaration anyway.
  bool count(const U_String& t, int sign) {
    if (splitClosers && (paren > 0 || square > 0) &&
        (t == "<" || t == ">" || is_closer_run(t)))
      return true;
    if (t == "(") paren += sign;
    else if (splitClosers && is_closer_run(t)) angle -= sign * static_cast<int>(t.size());
    else if (t == "<") angle += sign;
    else if (t == "[") square += sign;
    else if (t == ")") paren -= sign;
    else if (t == ">") angle -= sign;
    else if (t == "]") square -= sign;
    else return false;
    return true;
  }
};

// Whether tokens[i] is a "<" that compares: after ")" or a number no
// template argument list can open ("_Tp(-1) < _Tp(0)").
bool is_comparison(const Tokens& tokens, size_t i) {
  if (i == 0 || tokens[i] != "<") return false;
  const U_String& before = tokens[i - 1];
  return before == ")" || (!before.empty() && before[0] >= '0' && before[0] <= '9');
}

bool ends_previous_statement(const U_String& t) {
  return t == ";" || t == ":" || t == "}" || t == "{";
}

// Extends `lines` upwards from the name token at index k of line L.
void scan_backward(const std::vector<U_String>& clean, int L, const Tokens& first,
                   size_t k, std::list<int>& lines, bool structural) {
  Depths d;
  d.splitClosers = structural;
  bool leading = true;
  Tokens tokens = first;
  int current = L;
  long idx = static_cast<long>(k) - 1;
  for (;;) {
    for (; idx >= 0; --idx) {
      const U_String& t = tokens[idx];
      if (leading && t == "(") continue;
      if (structural && is_comparison(tokens, static_cast<size_t>(idx))) continue;
      if (d.count(t, -1)) {
        leading = false;
        continue;
      }
      if (d.open() || !ends_previous_statement(t)) continue;
      if (static_cast<size_t>(idx) + 1 == tokens.size() && lines.front() == current)
        lines.pop_front();
      return;
    }
    if (--current < 0) return;
    tokens = tokens_of(clean, current);
    if (!tokens.empty() && tokens[0] == "#") return;
    lines.push_front(current);
    idx = static_cast<long>(tokens.size()) - 1;
  }
}

// Extends `lines` downwards from token index `start` of line L.
void scan_forward(const std::vector<U_String>& clean, int L, const Tokens& first,
                  size_t start, std::list<int>& lines, bool structural) {
  Depths d;
  d.splitClosers = structural;
  bool leading = true;
  Tokens tokens = first;
  int current = L;
  size_t idx = start;
  for (;;) {
    for (; idx < tokens.size(); ++idx) {
      const U_String& t = tokens[idx];
      if (leading && t == ")") continue;
      leading = false;
      if (structural && is_comparison(tokens, idx)) continue;
      if (d.count(t, +1) || d.open()) continue;
      if (t == ";") return;
      if (t == "{") {
        if (idx == 0 && lines.back() == current) lines.pop_back();
        return;
      }
    }
    if (++current >= static_cast<int>(clean.size())) return;
    lines.push_back(current);
    tokens = tokens_of(clean, current);
    idx = (!tokens.empty() && tokens[0] == "#") ? tokens.size() : 0;
  }
}

bool is_template_header(const Tokens& tokens) {
  return tokens.size() >= 2 && tokens[0] == "template" && tokens[1] == "<";
}

// Where a structural fragment starts, once the statement above the name
// line L is known: at its template header when it has one (a macro line
// may stand between header and declaration, as an attribute), else after
// the last macro line above L.  Macro lines (a namespace-opening macro, an
// export macro) expand to code the cleaned text does not show, so the
// statement boundary above them is not where the declaration starts.
void trim_front(const std::vector<U_String>& clean, int L, std::list<int>& lines) {
  auto start = lines.begin();
  for (auto it = lines.begin(); it != lines.end() && *it <= L; ++it) {
    const Tokens tokens = tokens_of(clean, *it);
    if (is_template_header(tokens)) {
      lines.erase(lines.begin(), it);
      return;
    }
    if (*it < L && is_macro_line(tokens)) start = std::next(it);
  }
  lines.erase(lines.begin(), start);
}

bool is_macro_name(const U_String& t, bool withArguments) {
  if (t.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") != U_String::npos) return false;
  if (t.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == U_String::npos) return false;
  return withArguments || t.find('_') != U_String::npos || t.size() >= 4;
}

// The lines of a macro invocation starting line L (`MACRO(args)` first on
// the line, its arguments perhaps over several lines), or none when line L
// does not start with one.  A declaration a macro makes is recorded at the
// invocation, where its name is not written.
std::list<int> macro_invocation(const std::vector<U_String>& clean, int L) {
  constexpr int kMaxLines = 20;
  Tokens tokens = tokens_of(clean, L);
  if (tokens.size() < 2 || tokens[1] != "(" || !is_macro_name(tokens[0], true)) return {};
  std::list<int> lines;
  int depth = 0;
  for (int current = L; current < static_cast<int>(clean.size()) && current < L + kMaxLines; ++current) {
    if (current != L) tokens = tokens_of(clean, current);
    lines.push_back(current);
    for (const U_String& t : tokens) depth += t == "(" ? 1 : t == ")" ? -1 : 0;
    if (depth <= 0) return lines;
  }
  return {};
}

}  // namespace

bool is_macro_line(const Tokens& tokens) {
  if (tokens.empty()) return false;
  if (tokens.size() == 1) return is_macro_name(tokens[0], false);
  if (tokens[1] != "(" || tokens.back() != ")") return false;
  int depth = 0;
  for (size_t i = 1; i < tokens.size(); ++i) {
    if (tokens[i] == "(") ++depth;
    else if (tokens[i] == ")" && --depth == 0 && i + 1 != tokens.size()) return false;
  }
  return depth == 0 && is_macro_name(tokens[0], true);
}

U_String get_statement_in_lines(const U_String& name, int line,
                                const std::vector<U_String>& clean,
                                const std::vector<U_String>& raw,
                                const U_String& prefix, bool structural) {
  const U_String wanted = trim_after_last_identifier_char(name);
  // Checked before the subtraction, which would overflow at INT_MIN.
  if (line < 1 || static_cast<size_t>(line) > clean.size()) return U_String();
  const int L = line - 1;
  const Tokens tokens = tokens_of(clean, L);
  size_t k = 0;
  while (k < tokens.size() && tokens[k] != wanted) ++k;
  // A conversion function's name runs "operator" and its type together
  // ("operatorbool"); in the source they are two tokens or more.
  const bool conversion = structural && k == tokens.size() && is_conversion_name(wanted);
  if (conversion) {
    k = 0;
    while (k < tokens.size() && tokens[k] != "operator") ++k;
  }
  if (k == tokens.size()) {
    if (!structural) return U_String();
    const std::list<int> expansion = macro_invocation(clean, L);
    return expansion.empty() ? U_String() : add_line_numbers_to_statements(expansion, clean, raw, prefix);
  }
  std::list<int> lines{L};
  scan_backward(clean, L, tokens, k, lines, structural);
  if (structural) trim_front(clean, L, lines);
  scan_forward(clean, L, tokens, wanted == "operator" || conversion ? k + 2 : k + 1, lines,
               structural);
  return add_line_numbers_to_statements(lines, clean, raw, prefix);
}

U_String get_statement(const U_String& name, int line, const U_String& file,
                       const U_String& prefix, bool structural) {
  const std::vector<U_String>& raw = Qdata::get_raw_file(file);
  const std::vector<U_String>& clean = Qdata::get_clean_raw_file(file);
  return get_statement_in_lines(name, line, clean, raw, prefix, structural);
}

U_String add_line_numbers_to_statements(const std::list<int>& lines,
                                        const std::vector<U_String>& cleanLines,
                                        const std::vector<U_String>& rawLines,
                                        const U_String& prefix) {
  const size_t width = Qgen::Image(static_cast<long>(rawLines.size())).size();
  U_String out;
  bool started = false;
  for (int i : lines) {
    if (i < 0 || static_cast<size_t>(i) >= cleanLines.size()) continue;
    if (!started &&
        Qparse::match_all_whitespace(Qparse::remove_comment_delimiters(cleanLines[i])))
      continue;
    started = true;
    U_String number = Qgen::Image(i + 1);
    if (number.size() < width) number.insert(0, width - number.size(), ' ');
    out += prefix + number + ": ";
    if (static_cast<size_t>(i) < rawLines.size()) out += rawLines[i];
    out += "\n";
  }
  return out;
}

}  // namespace Util
