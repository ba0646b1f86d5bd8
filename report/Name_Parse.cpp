// A small recursive-descent reader of names.  It reads one character at a
// time, so ">>" is simply two closing brackets; the only look-ahead is for
// operator names, whose symbols are not brackets.
#include "report/Name_Parse.h"

#include <cstring>

namespace Name_Parse {

namespace {

const char kOperatorChars[] = "+-*/%^&|~!=<>,()[]";

char closer_of(char open) {
  switch (open) {
    case '<': return '>';
    case '(': return ')';
    case '[': return ']';
    default: return '}';
  }
}

bool is_open(char c) { return c == '<' || c == '(' || c == '[' || c == '{'; }
bool is_close(char c) { return c == '>' || c == ')' || c == ']' || c == '}'; }
bool is_ident(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

class Reader {
 public:
  explicit Reader(const U_String& s) : m_s(s) {}

  // Reads pieces up to a "," or a closing bracket of the list opened by
  // `enclosing` (0 at the top), or the end.  Inside "(" and "[" an
  // expression may compare: a ">" is text there, and a "<" that does not
  // open a balanced list is text too.
  bool node(Node& out, char enclosing) {
    const bool expression = enclosing == '(' || enclosing == '[';
    U_String text;
    while (m_i < m_s.size()) {
      const char c = m_s[m_i];
      if (operator_symbol(text, out.pieces.empty())) continue;
      if (c == ',' && enclosing != 0) break;
      const bool arrow = c == '>' && m_i > 0 && m_s[m_i - 1] == '-';
      if (is_close(c) && !arrow && !(expression && c == '>')) break;
      if (is_open(c)) {
        const size_t start = m_i;
        Piece list;
        if (this->list(list)) {
          flush(out, text);
          out.pieces.push_back(std::move(list));
          continue;
        }
        if (!(expression && c == '<')) return false;
        m_i = start;
      }
      add_char(text, c);
      ++m_i;
    }
    flush(out, text);
    return true;
  }

  bool at_end() const { return m_i == m_s.size(); }

 private:
  // Lists nested deeper than this make the name unparsed (compared as
  // text) rather than exhaust the stack.
  static constexpr int kMaxDepth = 200;

  // Reads a bracketed list starting at the opening bracket.
  bool list(Piece& out) {
    if (m_depth >= kMaxDepth) return false;
    out.open = m_s[m_i++];
    ++m_depth;
    const bool ok = entries(out);
    --m_depth;
    return ok;
  }

  // Reads the entries of a list up to its closing bracket.
  bool entries(Piece& out) {
    for (;;) {
      Node item;
      if (!node(item, out.open) || m_i == m_s.size()) return false;
      out.items.push_back(std::move(item));
      const char c = m_s[m_i++];
      if (c == closer_of(out.open)) break;
      if (c != ',') return false;
    }
    // "()" and "<>" are lists without entries.
    if (out.items.size() == 1 && out.items[0].pieces.empty()) out.items.clear();
    return true;
  }

  // Takes an operator's symbol as text: after the word "operator", or the
  // analyser's form (symbol then "@") at the start of a name's term.  Empty
  // text after a list ("f<T>" before "(@T)") is no term's start.
  bool operator_symbol(U_String& text, bool nodeStart) {
    const size_t n = text.size();
    const bool afterWord = n >= 8 && text.compare(n - 8, 8, "operator") == 0 &&
                           (n == 8 || !is_ident(text[n - 9]));
    const bool termStart = (n == 0 && nodeStart) || (n >= 2 && text.compare(n - 2, 2, "::") == 0);
    if (!afterWord && !termStart) return false;
    size_t j = m_i;
    while (j < m_s.size() && std::strchr(kOperatorChars, m_s[j]) != nullptr) ++j;
    if (j == m_i) return false;
    if (afterWord) {
      // "operator()" and "operator[]" are two characters; otherwise the
      // symbol ends before a bracket that opens the argument list.
      if (m_s.compare(m_i, 2, "()") == 0 || m_s.compare(m_i, 2, "[]") == 0) j = m_i + 2;
      else j = m_i + std::strspn(m_s.c_str() + m_i, "+-*/%^&|~!=<>,");
      if (j == m_i) return false;
    } else if (j == m_s.size() || m_s[j] != '@') {
      return false;
    } else if (m_s[m_i] == '(' || m_s[m_i] == '[') {
      // "()@" and "[]@" are operators; a lone "(" before a placeholder
      // opens a list ("((@FuncTempParam1)...": a function type).
      if (m_s.compare(m_i, 3, "()@") != 0 && m_s.compare(m_i, 3, "[]@") != 0) return false;
      ++j;
    } else {
      ++j;
      if (j < m_s.size() && m_s[j] == '=') ++j;
    }
    text += m_s.substr(m_i, j - m_i);
    m_i = j;
    return true;
  }

  static void add_char(U_String& text, char c) {
    if (c == ' ' || c == '\t') {
      if (!text.empty() && text.back() != ' ') text += ' ';
    } else {
      text += c;
    }
  }

  static void flush(Node& out, U_String& text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    const size_t first = text.find_first_not_of(' ');
    if (first != U_String::npos) out.pieces.push_back(Piece{text.substr(first), 0, {}});
    text.clear();
  }

  const U_String& m_s;
  size_t m_i = 0;
  int m_depth = 0;
};

bool is_wildcard(const Node& n) {
  return n.pieces.size() == 1 && n.pieces[0].open == 0 &&
         (n.pieces[0].text == "%" || n.pieces[0].text == "%...");
}

// "%" in `pattern` stands for any run of characters of `text`.
bool glob(const U_String& pattern, size_t p, const U_String& text, size_t t) {
  if (p == pattern.size()) return t == text.size();
  if (pattern[p] == '%') {
    for (size_t k = t; k <= text.size(); ++k)
      if (glob(pattern, p + 1, text, k)) return true;
    return false;
  }
  return t < text.size() && pattern[p] == text[t] && glob(pattern, p + 1, text, t + 1);
}

bool text_matches(const U_String& a, const U_String& b) {
  if (a == b) return true;
  if (a.find('%') != U_String::npos && glob(a, 0, b, 0)) return true;
  return b.find('%') != U_String::npos && glob(b, 0, a, 0);
}

bool is_pack(const Node& n) {
  return n.pieces.size() == 1 && n.pieces[0].open == 0 && n.pieces[0].text == "%...";
}

// Entries of two lists; a last entry "%..." (a parameter pack) takes any
// number of the other list's remaining entries, none included.
bool entries_match(const std::vector<Node>& a, const std::vector<Node>& b) {
  if (!a.empty() && is_pack(a.back()) && b.size() + 1 >= a.size()) {
    for (size_t i = 0; i + 1 < a.size(); ++i)
      if (!matches(a[i], b[i])) return false;
    return true;
  }
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (!matches(a[i], b[i])) return false;
  return true;
}

bool piece_matches(const Piece& a, const Piece& b) {
  if (a.open != b.open) return false;
  if (a.open == 0) return text_matches(a.text, b.text);
  return entries_match(a.items, b.items) || entries_match(b.items, a.items);
}

}  // namespace

std::optional<Node> parse(const U_String& name) {
  Reader reader(name);
  Node out;
  if (!reader.node(out, 0) || !reader.at_end()) return std::nullopt;
  return out;
}

U_String render(const Node& node) {
  U_String out;
  for (const Piece& p : node.pieces) {
    if (p.open == 0) {
      out += p.text;
      continue;
    }
    out += p.open;
    for (size_t i = 0; i < p.items.size(); ++i) out += (i ? "," : "") + render(p.items[i]);
    out += closer_of(p.open);
  }
  return out;
}

U_String skeleton(const Node& node, bool& wild) {
  U_String out;
  wild = false;
  for (const Piece& p : node.pieces) {
    if (p.open == 0) {
      out += p.text;
      if (p.text.find('%') != U_String::npos) wild = true;
    } else {
      out += p.open;
      out += closer_of(p.open);
    }
  }
  return out;
}

U_String overload_key(const U_String& qualName) {
  const std::optional<Node> node = parse(qualName);
  if (!node) return U_String();
  U_String out;
  for (const Piece& p : node->pieces) {
    if (p.open == 0) out += p.text;
    else if (p.open == '<') out += "<>";
    else if (p.open != '(') out += render(Node{{p}});
  }
  return out;
}

bool matches(const Node& a, const Node& b) {
  if (is_wildcard(a) || is_wildcard(b)) return true;
  if (a.pieces.size() != b.pieces.size()) return false;
  for (size_t i = 0; i < a.pieces.size(); ++i)
    if (!piece_matches(a.pieces[i], b.pieces[i])) return false;
  return true;
}

bool matches(const U_String& a, const U_String& b) {
  const std::optional<Node> x = parse(a), y = parse(b);
  if (!x || !y) return a == b;
  return matches(*x, *y);
}

}  // namespace Name_Parse
