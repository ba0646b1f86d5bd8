#include "report/Pattern_Index.h"

#include "report/Name_Parse.h"
#include "report/Template_Usage_Generate.h"

namespace {

bool is_delimiter(char c) {
  static const U_String kDelimiters = "<>(){}[],:";
  return kDelimiters.find(c) != U_String::npos;
}

}  // namespace

U_String Pattern_Index::key(const U_String& s, bool& wild) {
  U_String out;
  wild = false;
  int depth = 0;
  for (char c : s) {
    if (is_delimiter(c)) {
      out += c;
      if (c == '<' || c == '(' || c == '{' || c == '[') ++depth;
      else if (c == '>' || c == ')' || c == '}' || c == ']') --depth;
    } else if (depth == 0) {
      out += c;
      if (c == '%') wild = true;
    }
  }
  return out;
}

U_String Pattern_Index::bucket_key(const U_String& s, bool& wild) const {
  if (m_structural) {
    // A name that does not parse is compared as text, so only an equal
    // name (same key) can find it.
    if (const std::optional<Name_Parse::Node> node = Name_Parse::parse(s))
      return Name_Parse::skeleton(*node, wild);
  }
  return key(s, wild);
}

bool Pattern_Index::match(size_t pos, const U_String& n,
                          const std::optional<Name_Parse::Node>& parsed) const {
  if (!m_structural) return Template_Usage_Generate::match_template_parameters(m_patterns[pos], n);
  // A name that does not parse matches only an equal name.
  if (!parsed || !m_parsed[pos]) return m_patterns[pos] == n;
  return Name_Parse::matches(*m_parsed[pos], *parsed);
}

void Pattern_Index::add(const U_String& pattern) {
  const size_t pos = m_patterns.size();
  m_patterns.push_back(pattern);
  if (m_structural) m_parsed.push_back(Name_Parse::parse(pattern));
  bool wild = false;
  const U_String k = bucket_key(pattern, wild);
  if (wild) m_wild.push_back(pos);
  else m_buckets[k].push_back(pos);
}

// Calls fn(pos) for every pattern that may match n, in adding order, until
// fn returns false.
template <class Fn>
void Pattern_Index::for_each_candidate(const U_String& n, Fn fn) const {
  bool wild = false;
  const U_String k = bucket_key(n, wild);
  if (wild) {
    for (size_t pos = 0; pos < m_patterns.size(); ++pos)
      if (!fn(pos)) return;
    return;
  }
  static const std::vector<size_t> kNone;
  auto found = m_buckets.find(k);
  const std::vector<size_t>& bucket = found == m_buckets.end() ? kNone : found->second;
  // Both lists are in adding order: merge them.
  size_t b = 0, w = 0;
  while (b < bucket.size() || w < m_wild.size()) {
    const bool takeBucket = w == m_wild.size() || (b < bucket.size() && bucket[b] < m_wild[w]);
    if (!fn(takeBucket ? bucket[b++] : m_wild[w++])) return;
  }
}

std::vector<size_t> Pattern_Index::matches(const U_String& n) const {
  const std::optional<Name_Parse::Node> parsed =
      m_structural ? Name_Parse::parse(n) : std::nullopt;
  std::vector<size_t> out;
  for_each_candidate(n, [&](size_t pos) {
    if (match(pos, n, parsed)) out.push_back(pos);
    return true;
  });
  return out;
}

size_t Pattern_Index::first_match(const U_String& n) const {
  const std::optional<Name_Parse::Node> parsed =
      m_structural ? Name_Parse::parse(n) : std::nullopt;
  size_t result = m_patterns.size();
  for_each_candidate(n, [&](size_t pos) {
    if (!match(pos, n, parsed)) return true;
    result = pos;
    return false;
  });
  return result;
}
