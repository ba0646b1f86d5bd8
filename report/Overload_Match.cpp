// Binding an instantiation's template arguments to an overload's
// placeholders.  Names are split with Name_Parse; the name part binds
// placeholders that stand alone in a template argument list, the rest is
// compared as text in which a free placeholder stands for a balanced run.
#include "report/Overload_Match.h"

#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "report/Name_Parse.h"

namespace Overload_Match {

namespace {

using Name_Parse::Node;
using Name_Parse::Piece;
using Pairs = std::vector<std::pair<U_String, U_String>>;

struct Bindings {
  std::map<U_String, U_String> one;                 // placeholder -> argument
  std::map<U_String, std::vector<U_String>> packs;  // pack placeholder -> arguments
  int fresh = 0;                                    // free placeholders made so far
  // Placeholders bound to two different arguments in the name: a class
  // template nested in another numbers its parameters from 1 too, so
  // "@ClassTempParam1" may be either; such a one stays free.
  std::set<U_String> ambiguous;
};

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

// Whether the pattern, its bound placeholders put in, reads as `text`.
bool holds(const U_String& pat, const U_String& text, Bindings& b) {
  const U_String s = substitute(generalise_dependent(pat, b), b);
  if (!has_placeholder(s)) return s == text;
  long budget = kUnifyBudget;
  return unify(s, 0, text, 0, b, budget);
}

bool bind_entries(const std::vector<Node>& pat, const std::vector<Node>& ins, Bindings& b,
                  Pairs& deferred);

// Walks the name parts of both names side by side: placeholders alone in a
// template argument list are bound, other differing text is left for
// `holds`.
bool bind_pieces(const std::vector<Piece>& pat, const std::vector<Piece>& ins, Bindings& b,
                 Pairs& deferred) {
  if (pat.size() != ins.size()) {
    deferred.emplace_back(Name_Parse::render(Node{pat}), Name_Parse::render(Node{ins}));
    return true;
  }
  for (size_t k = 0; k < pat.size(); ++k) {
    if (pat[k].open != ins[k].open) return false;
    if (pat[k].open == '<') {
      if (!bind_entries(pat[k].items, ins[k].items, b, deferred)) return false;
    } else if (pat[k].open != 0 || pat[k].text != ins[k].text) {
      deferred.emplace_back(Name_Parse::render(Node{{pat[k]}}),
                            Name_Parse::render(Node{{ins[k]}}));
    }
  }
  return true;
}

// One entry of a template argument list against the instantiation's.
bool bind_entry(const Node& pat, const Node& ins, Bindings& b, Pairs& deferred) {
  const U_String entry = Name_Parse::render(pat);
  if (!is_bare_placeholder(entry)) return bind_pieces(pat.pieces, ins.pieces, b, deferred);
  if (b.ambiguous.count(entry) != 0) return true;
  const U_String value = Name_Parse::render(ins);
  const auto [known, added] = b.one.emplace(entry, value);
  if (!added && known->second != value) {
    b.one.erase(known);
    b.ambiguous.insert(entry);
  }
  return true;
}

// The entries of two template argument lists; a pack ("@FuncTempParam2...",
// anywhere in the list) takes the arguments the other entries leave.
bool bind_entries(const std::vector<Node>& pat, const std::vector<Node>& ins, Bindings& b,
                  Pairs& deferred) {
  size_t packAt = pat.size();
  U_String pack;
  for (size_t i = 0; i < pat.size() && pack.empty(); ++i)
    if (!(pack = pack_name(Name_Parse::render(pat[i]))).empty()) packAt = i;
  if (pack.empty() ? ins.size() != pat.size() : ins.size() + 1 < pat.size()) return false;
  const size_t taken = pack.empty() ? 0 : ins.size() + 1 - pat.size();
  for (size_t i = 0; i < pat.size(); ++i) {
    if (i == packAt) continue;
    const size_t k = i < packAt ? i : i - 1 + taken;
    if (!bind_entry(pat[i], ins[k], b, deferred)) return false;
  }
  if (pack.empty()) return true;
  std::vector<U_String>& args = b.packs[pack];
  args.clear();
  for (size_t k = packAt; k < packAt + taken; ++k) args.push_back(Name_Parse::render(ins[k]));
  return true;
}

// A name cut into the part before its parameter list, the list's entries
// and what follows the list ("const" of a member function).
struct Split {
  std::vector<Piece> name;
  std::vector<Node> params;
  U_String tail;
};

std::optional<Split> split(const U_String& qualName) {
  std::optional<Node> node = Name_Parse::parse(qualName);
  if (!node) return std::nullopt;
  size_t p = node->pieces.size();
  while (p > 0 && node->pieces[p - 1].open != '(') --p;
  if (p == 0) return std::nullopt;
  Split out;
  out.name.assign(node->pieces.begin(), node->pieces.begin() + static_cast<long>(p - 1));
  out.params = node->pieces[p - 1].items;
  out.tail = Name_Parse::render(
      Node{std::vector<Piece>(node->pieces.begin() + static_cast<long>(p), node->pieces.end())});
  return out;
}

// The parameter entries as texts, top-level "const" dropped, "(void)" empty.
std::vector<U_String> param_texts(const std::vector<Node>& params) {
  std::vector<U_String> out;
  for (const Node& n : params) out.push_back(drop_top_const(Name_Parse::render(n)));
  if (out.size() == 1 && out[0] == "void") out.clear();
  return out;
}

// The overload's parameter entries with bound packs expanded, one entry
// per argument.  `open` is set when an expansion's pack is not bound: it
// then takes whatever entries remain.
std::vector<U_String> expand(const std::vector<U_String>& params, const Bindings& b, bool& open) {
  std::vector<U_String> out;
  open = false;
  for (const U_String& entry : params) {
    if (!ends_with(entry, "...")) {
      out.push_back(entry);
      continue;
    }
    const U_String base = entry.substr(0, entry.size() - 3);
    bool expanded = false;
    for (size_t i = base.find('@'); i != U_String::npos && !expanded; i = base.find('@', i + 1)) {
      const size_t n = placeholder_at(base, i);
      const auto pack = n ? b.packs.find(base.substr(i, n)) : b.packs.end();
      if (pack == b.packs.end()) continue;
      for (const U_String& arg : pack->second) {
        Bindings one = b;
        one.one[pack->first] = arg;
        out.push_back(drop_top_const(substitute(base, one)));
      }
      expanded = true;
    }
    if (!expanded) {
      open = true;
      return out;
    }
  }
  return out;
}

// Whether the overload's parameters (placeholders partly bound) read as
// the given entries.
bool params_hold(const std::vector<U_String>& pattern, const std::vector<U_String>& texts,
                 Bindings& b) {
  bool open = false;
  const std::vector<U_String> expanded = expand(pattern, b, open);
  if (open ? expanded.size() > texts.size() : expanded.size() != texts.size()) return false;
  for (size_t i = 0; i < expanded.size(); ++i)
    if (!holds(drop_top_const(expanded[i]), texts[i], b)) return false;
  return true;
}

// The text with its placeholders made plain names ("@" becomes "#"), which
// a pattern's placeholders can take but which bind nothing themselves.
U_String held_fixed(U_String s) {
  for (size_t i = s.find('@'); i != U_String::npos; i = s.find('@', i + 1))
    if (placeholder_at(s, i) != 0) s[i] = '#';
  return s;
}

bool more_specialised(const U_String& a, const U_String& b) {
  return at_least_as_specialised(a, b) && !at_least_as_specialised(b, a);
}

}  // namespace

bool specialises(const U_String& overload, const U_String& instance) {
  const std::optional<Split> o = split(overload), s = split(instance);
  if (!o || !s) return false;
  Bindings b;
  Pairs deferred;
  if (!bind_pieces(o->name, s->name, b, deferred)) return false;
  for (const auto& [pat, text] : deferred)
    if (!holds(pat, text, b)) return false;
  if (!params_hold(param_texts(o->params), param_texts(s->params), b)) return false;
  return holds(o->tail, s->tail, b);
}

bool at_least_as_specialised(const U_String& a, const U_String& b) {
  const std::optional<Split> sa = split(a), sb = split(b);
  if (!sa || !sb) return false;
  std::vector<U_String> fixed = param_texts(sa->params);
  for (U_String& text : fixed) text = held_fixed(text);
  Bindings bindings;
  return params_hold(param_texts(sb->params), fixed, bindings);
}

std::vector<size_t> choose(const std::vector<U_String>& overloads,
                           const std::vector<int>& overloadLines,
                           const std::function<bool(size_t)>& looseMatch,
                           const U_String& instance, int instanceLine) {
  std::vector<size_t> candidates;
  for (size_t i = 0; i < overloads.size(); ++i)
    if (specialises(overloads[i], instance)) candidates.push_back(i);
  if (candidates.empty())
    for (size_t i = 0; i < overloads.size(); ++i)
      if (looseMatch(i)) candidates.push_back(i);
  std::vector<size_t> best;
  if (candidates.empty()) {
    for (size_t i = 0; i < overloads.size(); ++i) candidates.push_back(i);
    best = candidates;
  } else {
    for (size_t i : candidates) {
      bool beaten = false;
      for (size_t j : candidates)
        if (j != i && more_specialised(overloads[j], overloads[i])) beaten = true;
      if (!beaten) best.push_back(i);
    }
  }
  if (best.size() < 2) return best;
  std::vector<size_t> onLine;
  for (size_t i : best)
    if (i < overloadLines.size() && overloadLines[i] == instanceLine) onLine.push_back(i);
  return onLine.empty() ? best : onLine;
}

}  // namespace Overload_Match
