// Placeholder texts: substitution of bound placeholders and unification of
// free ones against an instantiation's text.
#include "report/Placeholder_Text.h"

#include <cstring>
#include <string>

namespace Placeholder_Text {

namespace {

// Free placeholders that stand for dependent names are numbered from here,
// far above any template's own parameters.
constexpr int kFreshBase = 1000000;

// Free placeholders may be tried at every end of a run; this many tries
// per comparison is far beyond real names and stops a pathological one.
constexpr long kUnifyBudget = 100000;

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_ident(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || is_digit(c) || c == '_';
}

// Writes `value` for a placeholder followed by pat[p...]; returns where the
// pattern goes on.  A reference collapses with the reference after it and
// ignores a "const"; a "const" type does not take a second "const".
size_t put_value(const U_String& value, const U_String& pat, size_t p, U_String& out) {
  const bool constAfter = pat.compare(p, 5, "const") == 0;
  if (!value.empty() && value.back() == '&') {
    const size_t refs = ends_with(value, "&&") ? 2 : 1;
    size_t q = constAfter ? p + 5 : p;
    size_t amp = 0;
    while (q < pat.size() && pat[q] == '&' && amp < 2) ++q, ++amp;
    const size_t kept = amp == 0 ? refs : (refs == 2 && amp == 2 ? 2 : 1);
    out += value.substr(0, value.size() - refs) + U_String(kept, '&');
    return q;
  }
  out += value;
  return constAfter && ends_with(value, "const") ? p + 5 : p;
}

bool is_open(char c) { return c == '<' || c == '(' || c == '[' || c == '{'; }
bool is_close(char c) { return c == '>' || c == ')' || c == ']' || c == '}'; }

// Whether pat[i...] equals t[j...] when each free placeholder of pat
// stands for a non-empty balanced run of t holding no comma outside
// brackets; the placeholders so bound stay in `b`.
bool unify(const U_String& pat, size_t i, const U_String& t, size_t j, Bindings& b,
           long& budget) {
  while (i < pat.size()) {
    if (--budget < 0) return false;
    const size_t n = pat[i] == '@' ? placeholder_at(pat, i) : 0;
    if (n == 0) {
      if (j >= t.size() || pat[i] != t[j]) return false;
      ++i, ++j;
      continue;
    }
    const U_String name = pat.substr(i, n);
    const auto bound = b.one.find(name);
    if (bound != b.one.end()) {
      if (t.compare(j, bound->second.size(), bound->second) != 0) return false;
      i += n, j += bound->second.size();
      continue;
    }
    // A free placeholder followed by "..." stands for a pack: its run may
    // hold commas.
    const bool pack = pat.compare(i + n, 3, "...") == 0;
    const size_t next = pack ? i + n + 3 : i + n;
    int depth = 0;
    for (size_t k = j; k < t.size(); ++k) {
      if (is_open(t[k])) ++depth;
      else if (is_close(t[k]) && --depth < 0) break;
      else if (t[k] == ',' && depth == 0 && !pack) break;
      if (depth != 0) continue;
      b.one[name] = t.substr(j, k + 1 - j);
      if (unify(pat, next, t, k + 1, b, budget)) return true;
      b.one.erase(name);
    }
    return false;
  }
  return j == t.size();
}

// Where the qualified name whose "::" stands at s[i] starts, when the part
// before the "::" depends on a placeholder ("@FuncTempParam1::type",
// "X<@FuncTempParam1>::type"); npos otherwise.
size_t dependent_start(const U_String& s, size_t i) {
  if (i == 0) return U_String::npos;
  if (s[i - 1] != '>') {
    size_t k = i;
    while (k > 0 && is_digit(s[k - 1])) --k;
    const size_t at = s.rfind('@', k);
    return at != U_String::npos && placeholder_at(s, at) == i - at ? at : U_String::npos;
  }
  int depth = 0;
  size_t k = i;
  while (k-- > 0) {
    if (s[k] == '>') ++depth;
    else if (s[k] == '<' && --depth == 0) break;
  }
  if (k == U_String::npos || !has_placeholder(s.substr(k, i - k))) return U_String::npos;
  while (k > 0 && (is_ident(s[k - 1]) || s[k - 1] == ':')) --k;
  return k;
}

// The pattern with each dependent qualified name made a fresh free
// placeholder: the analyser writes the instantiation's types canonical,
// and what "T::value_type" or "X<T>::type" names cannot be worked out from
// the names alone.
U_String generalise_dependent(U_String s, Bindings& b) {
  for (size_t i = s.find("::"); i != U_String::npos; i = s.find("::", i + 2)) {
    const size_t start = dependent_start(s, i);
    if (start == U_String::npos) continue;
    size_t end = i;
    while (s.compare(end, 2, "::") == 0) {
      size_t e = end + 2;
      while (e < s.size() && is_ident(s[e])) ++e;
      // The analyser writes "const" right after the name it qualifies.
      if (e - (end + 2) > 5 && s.compare(e - 5, 5, "const") == 0) e -= 5;
      if (e == end + 2) break;
      end = e;
    }
    if (end == i) continue;
    const U_String token = "@FuncTempParam" + std::to_string(kFreshBase + b.fresh++);
    s.replace(start, end - start, token);
    i = start + token.size() - 2;
  }
  return s;
}

}  // namespace

// The length of the placeholder token at s[i], or 0.
size_t placeholder_at(const U_String& s, size_t i) {
  for (const char* prefix : {"@ClassTempParam", "@FuncTempParam"}) {
    const size_t n = std::strlen(prefix);
    if (s.compare(i, n, prefix) != 0) continue;
    size_t j = i + n;
    while (j < s.size() && is_digit(s[j])) ++j;
    if (j > i + n) return j - i;
  }
  return 0;
}

bool has_placeholder(const U_String& s) {
  for (size_t i = s.find('@'); i != U_String::npos; i = s.find('@', i + 1))
    if (placeholder_at(s, i) != 0) return true;
  return false;
}

bool ends_with(const U_String& s, const char* tail) {
  const size_t n = std::strlen(tail);
  return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

// "@FuncTempParam2" for the entry "@FuncTempParam2..." (a pack), else empty.
U_String pack_name(const U_String& entry) {
  if (!ends_with(entry, "...") || entry.empty() || entry[0] != '@') return U_String();
  const size_t n = placeholder_at(entry, 0);
  return n != 0 && n + 3 == entry.size() ? entry.substr(0, n) : U_String();
}

bool is_bare_placeholder(const U_String& entry) {
  return !entry.empty() && entry[0] == '@' && placeholder_at(entry, 0) == entry.size();
}

// A parameter's top-level "const" does not belong to the function's type.
U_String drop_top_const(U_String s) {
  while (s.size() > 5 && ends_with(s, "const")) s.resize(s.size() - 5);
  return s;
}

// The pattern with its bound placeholders replaced; a bound pack followed
// by "..." becomes its arguments separated by commas.
U_String substitute(const U_String& pat, const Bindings& b) {
  U_String out;
  size_t i = 0;
  while (i < pat.size()) {
    const size_t n = pat[i] == '@' ? placeholder_at(pat, i) : 0;
    if (n == 0) {
      out += pat[i++];
      continue;
    }
    const U_String name = pat.substr(i, n);
    const size_t after = i + n;
    const auto pack = b.packs.find(name);
    if (pack != b.packs.end() && pat.compare(after, 3, "...") == 0) {
      for (size_t k = 0; k < pack->second.size(); ++k) out += (k ? "," : "") + pack->second[k];
      i = after + 3;
      // An empty pack takes its comma with it.
      if (pack->second.empty() && !out.empty() && out.back() == ',') out.pop_back();
      else if (pack->second.empty() && i < pat.size() && pat[i] == ',') ++i;
      continue;
    }
    const auto one = b.one.find(name);
    if (one != b.one.end()) {
      i = put_value(one->second, pat, after, out);
      continue;
    }
    out += name;
    i = after;
  }
  return out;
}

// Whether the pattern, its bound placeholders put in, reads as `text`.
bool holds(const U_String& pat, const U_String& text, Bindings& b) {
  const U_String s = substitute(generalise_dependent(pat, b), b);
  if (!has_placeholder(s)) return s == text;
  long budget = kUnifyBudget;
  return unify(s, 0, text, 0, b, budget);
}

}  // namespace Placeholder_Text
