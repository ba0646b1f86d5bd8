#ifndef REPORT_PATTERN_INDEX_H
#define REPORT_PATTERN_INDEX_H

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "report/Name_Parse.h"
#include "util/U_String.h"

// Finds, among name patterns added in order, those that match a name
// pattern (Template_Usage_Generate::match_template_parameters), in the order
// they were added, without comparing against every pattern.
//
// Two patterns can only match when they have the same brackets and
// separators in the same order, and the same text outside all brackets as
// long as neither has a "%" there: a "%" stands for text up to the next
// bracket or separator, so it never spans one.  That text with the
// separators is the bucket key.  Patterns with a "%" outside brackets (rare)
// are kept apart and tried for every query; a query with one is compared
// against every pattern.
//
// In structural mode names are compared by their parsed structure
// (Name_Parse::matches) and bucketed by the text outside all lists only, so
// that qualified names and nested lists inside arguments match.
class Pattern_Index {
 public:
  // Chooses structural matching; call before the first add.
  void setStructural(bool on) { m_structural = on; }
  void add(const U_String& pattern);
  size_t size() const { return m_patterns.size(); }
  // Positions (in adding order) of the patterns that match n.
  std::vector<size_t> matches(const U_String& n) const;
  // Position of the first pattern that matches n, or size() when none does.
  size_t first_match(const U_String& n) const;

  // The bucket key of s; wild is set when s has "%" outside brackets.
  static U_String key(const U_String& s, bool& wild);

 private:
  template <class Fn>
  void for_each_candidate(const U_String& n, Fn fn) const;
  U_String bucket_key(const U_String& s, bool& wild) const;
  // Whether the pattern at pos matches n; `parsed` is n parsed (structural
  // mode only).
  bool match(size_t pos, const U_String& n, const std::optional<Name_Parse::Node>& parsed) const;

  bool m_structural = false;
  std::vector<std::optional<Name_Parse::Node>> m_parsed;  // structural mode: each pattern parsed
  std::vector<U_String> m_patterns;
  std::unordered_map<U_String, std::vector<size_t>> m_buckets;
  std::vector<size_t> m_wild;
};

#endif
