#ifndef UTIL_U_NUMBERRANGELIST_H
#define UTIL_U_NUMBERRANGELIST_H

#include <vector>

#include "util/U_String.h"

// A list of integers read from texts such as "1,3,7-9".
class U_NumberRangeList {
 public:
  // Longest range kept; longer ones are cut with a warning.
  static constexpr int kMaxRange = 20000;

  // Appends every number of the text: decimal numbers, and ranges written
  // as two numbers joined by '-' (a reversed range is swapped).  Any other
  // non-digit separates items.
  void parseRangeList(const U_String& text);

  const std::vector<int>& values() const { return m_values; }
  bool contains(int n) const;
  bool empty() const { return m_values.empty(); }
  void clear() { m_values.clear(); }

 private:
  void appendRange(long long a, long long b);

  std::vector<int> m_values;
};

#endif
