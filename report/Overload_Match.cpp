// Binding an instantiation's template arguments to an overload's
// placeholders.  Names are split with Name_Parse; the name part binds
// placeholders that stand alone in a template argument list, the rest is
// compared as text in which a free placeholder stands for a balanced run.
#include "report/Overload_Match.h"

#include <map>
#include <optional>
#include <utility>

#include "report/Name_Parse.h"
#include "report/Placeholder_Text.h"

namespace Overload_Match {

namespace {

using Name_Parse::Node;
using Name_Parse::Piece;
using Pairs = std::vector<std::pair<U_String, U_String>>;
using Placeholder_Text::Bindings;
using Placeholder_Text::drop_top_const;
using Placeholder_Text::ends_with;
using Placeholder_Text::holds;
using Placeholder_Text::is_bare_placeholder;
using Placeholder_Text::pack_name;
using Placeholder_Text::placeholder_at;
using Placeholder_Text::substitute;

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
