// Deduction is a match of the two canonical texts in which each
// placeholder stands for a run of balanced text.  Working on the rendered
// text rather than the parsed tree lets a placeholder inside other text
// ("@Class1*", "@Class1const&") bind as naturally as a whole argument.
#include "report/Specialisation_Order.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "report/Name_Parse.h"

namespace Specialisation_Order {

namespace {

bool is_ident(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Length of the placeholder at i ("@Class" or "@Func", at least one more
// identifier character, perhaps "..."), 0 when none starts there.
size_t placeholder_length(const U_String& s, size_t i, bool& pack) {
  pack = false;
  size_t marker = 0;
  if (s.compare(i, 6, "@Class") == 0) marker = 6;
  else if (s.compare(i, 5, "@Func") == 0) marker = 5;
  if (marker == 0) return 0;
  size_t j = i + marker;
  while (j < s.size() && is_ident(s[j])) ++j;
  if (j == i + marker) return 0;
  if (s.compare(j, 3, "...") == 0) {
    pack = true;
    j += 3;
  }
  return j - i;
}

// Whether a run may be bound: balanced brackets and, unless it is a pack's,
// no comma outside them and no trailing "..." (an opaque pack).
bool bindable(const U_String& run, bool pack) {
  int depth = 0;
  for (char c : run) {
    if (c == '<' || c == '(' || c == '[' || c == '{') ++depth;
    else if (c == '>' || c == ')' || c == ']' || c == '}') --depth;
    else if (c == ',' && depth == 0 && !pack) return false;
    if (depth < 0) return false;
  }
  if (depth != 0) return false;
  return pack || run.size() < 3 || run.compare(run.size() - 3, 3, "...") != 0;
}

// Stands in a pattern for an argument that deduces nothing and takes any
// one argument (a non-deduced context).
constexpr char kAnyArgument = '\x01';

// Whether a template argument of a pattern deduces nothing: it names a
// member of a dependent type ("std::enable_if<...@...>::type", "@C1::type")
// or is a dependent decltype.  Such an argument held for
// the instance when C++ chose the specialisation, so it matches any.
bool non_deduced(const U_String& entry) {
  if (entry.find('@') == U_String::npos) return false;
  if (entry.compare(0, 9, "decltype(") == 0) return true;
  int depth = 0;
  for (size_t i = 0; i < entry.size(); ++i) {
    const char c = entry[i];
    if (c == '<' || c == '(' || c == '[' || c == '{') ++depth;
    else if (c == '>' || c == ')' || c == ']' || c == '}') --depth;
    if (c == '>' && depth == 0 && entry.compare(i + 1, 2, "::") == 0) return true;
    bool pack = false;
    const size_t len = depth == 0 ? placeholder_length(entry, i, pack) : 0;
    if (len > 0 && entry.compare(i + len, 2, "::") == 0) return true;
  }
  return false;
}

// The pattern with each outermost non-deduced argument of an argument list
// replaced by kAnyArgument; unchanged when its brackets do not balance.
U_String mark_non_deduced(const U_String& p) {
  std::vector<std::pair<char, size_t>> open;  // bracket, start of its current entry
  std::vector<std::pair<size_t, size_t>> ranges;
  auto close_entry = [&](size_t end) {
    const size_t start = open.back().second;
    if (open.back().first != '<' || !non_deduced(p.substr(start, end - start))) return;
    while (!ranges.empty() && ranges.back().first >= start) ranges.pop_back();
    ranges.emplace_back(start, end);
  };
  for (size_t i = 0; i < p.size(); ++i) {
    const char c = p[i];
    if (c == '<' || c == '(' || c == '[' || c == '{') {
      open.emplace_back(c, i + 1);
    } else if (c == '>' || c == ')' || c == ']' || c == '}') {
      if (open.empty()) return p;
      close_entry(i);
      open.pop_back();
    } else if (c == ',' && !open.empty()) {
      close_entry(i);
      open.back().second = i + 1;
    }
  }
  if (!open.empty()) return p;
  U_String out;
  size_t at = 0;
  for (const auto& [start, end] : ranges) {
    out += p.substr(at, start - at);
    out += kAnyArgument;
    at = end;
  }
  return out + p.substr(at);
}

class Deducer {
 public:
  Deducer(const U_String& pattern, const U_String& text) : m_p(pattern), m_t(text) {}

  bool run() { return match(0, 0); }

 private:
  // Bound on the match steps: a pattern with many placeholders in one run
  // of text could otherwise take exponential time.
  static constexpr long kMaxSteps = 200000;

  bool match(size_t i, size_t j) {
    for (;;) {
      if (++m_steps > kMaxSteps) return false;
      if (i == m_p.size()) return j == m_t.size();
      if (m_p[i] == kAnyArgument) return any_argument(i, j);
      bool pack = false;
      const size_t len = placeholder_length(m_p, i, pack);
      if (len > 0) return bind_at(i, len, pack, j);
      // ",Pack..." takes no entries when the list ends here.
      if (m_p[i] == ',' && j < m_t.size() && is_close(m_t[j])) {
        const size_t packLen = placeholder_length(m_p, i + 1, pack);
        if (packLen > 0 && pack && bind_run(i + 1, packLen, j, j)) return true;
      }
      if (j == m_t.size() || m_p[i] != m_t[j]) return false;
      ++i;
      ++j;
    }
  }

  static bool is_close(char c) { return c == '>' || c == ')' || c == ']' || c == '}'; }

  // A non-deduced argument at i takes one whole argument starting at j.
  bool any_argument(size_t i, size_t j) {
    for (size_t k = j + 1; k <= m_t.size(); ++k) {
      if (bindable(m_t.substr(j, k - j), false) && match(i + 1, k)) return true;
      if (m_steps > kMaxSteps) return false;
    }
    return false;
  }

  // The placeholder at i binds a run starting at j; each end is tried.
  bool bind_at(size_t i, size_t len, bool pack, size_t j) {
    for (size_t k = j + (pack ? 0 : 1); k <= m_t.size(); ++k) {
      if (bind_run(i, len, j, k)) return true;
      if (m_steps > kMaxSteps) return false;
    }
    return false;
  }

  // Binds the placeholder at i (length len) to text [j, k) and matches on.
  bool bind_run(size_t i, size_t len, size_t j, size_t k) {
    const bool pack = len > 3 && m_p.compare(i + len - 3, 3, "...") == 0;
    const U_String name = m_p.substr(i, pack ? len - 3 : len);
    const U_String run = m_t.substr(j, k - j);
    if (!bindable(run, pack)) return false;
    auto known = m_bound.find(name);
    if (known != m_bound.end()) return known->second == run && match(i + len, k);
    m_bound.emplace(name, run);
    if (match(i + len, k)) return true;
    m_bound.erase(name);
    return false;
  }

  const U_String& m_p;
  const U_String& m_t;
  std::map<U_String, U_String> m_bound;
  long m_steps = 0;
};

std::optional<U_String> canonical(const U_String& name) {
  const std::optional<Name_Parse::Node> node = Name_Parse::parse(name);
  if (!node) return std::nullopt;
  return Name_Parse::render(*node);
}

// The name with its placeholders made opaque: "@" becomes "#", so that
// they are plain text to another pattern's placeholders.
U_String opaque(const U_String& name) {
  U_String out = name;
  for (size_t i = 0; i < out.size(); ++i) {
    bool pack = false;
    if (out[i] == '@' && placeholder_length(out, i, pack) > 0) out[i] = '#';
  }
  return out;
}

// Each placeholder of a pattern is one level of recursion in the match:
// a pattern with more is not tried, so that no name can exhaust the stack.
constexpr size_t kMaxPlaceholders = 1000;

size_t placeholder_count(const U_String& s) {
  size_t n = 0;
  for (size_t i = s.find('@'); i != U_String::npos; i = s.find('@', i + 1)) {
    bool pack = false;
    if (placeholder_length(s, i, pack) > 0) ++n;
  }
  return n;
}

}  // namespace

bool deduces(const U_String& pattern, const U_String& name) {
  const std::optional<U_String> p = canonical(pattern), t = canonical(name);
  if (!p || !t || placeholder_count(*p) > kMaxPlaceholders) return false;
  return Deducer(mark_non_deduced(*p), *t).run();
}

bool at_least_as_specialised(const U_String& a, const U_String& b) {
  return deduces(b, opaque(a));
}

size_t choose(const std::vector<U_String>& patterns, const U_String& name) {
  std::vector<size_t> applies;
  for (size_t i = 0; i < patterns.size(); ++i)
    if (deduces(patterns[i], name)) applies.push_back(i);
  // A pattern is maximal when no other is strictly more specialised.
  auto strictly_more = [&](size_t a, size_t b) {
    return at_least_as_specialised(patterns[a], patterns[b]) &&
           !at_least_as_specialised(patterns[b], patterns[a]);
  };
  for (size_t a : applies) {
    bool maximal = true;
    for (size_t b : applies)
      if (b != a && strictly_more(b, a)) maximal = false;
    if (maximal) return a;
  }
  return patterns.size();
}

}  // namespace Specialisation_Order
