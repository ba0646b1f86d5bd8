#ifndef TESTS_SUPPORT_PREDICATEROWS_H
#define TESTS_SUPPORT_PREDICATEROWS_H

// Table checks of a two-argument predicate: each row names a first argument
// with the second arguments it must accept and those it must refuse.  A
// failure names the pair.

#include <gtest/gtest.h>

#include <string>
#include <vector>

// One first argument with the second arguments it accepts and refuses.
struct PredicateRow {
  std::string first;
  std::vector<std::string> accepted, refused;
};

// Checks `predicate(row.first, second)` for every pair the rows name.
template <typename Predicate>
void expectRows(Predicate predicate, const std::vector<PredicateRow>& rows) {
  for (const PredicateRow& row : rows) {
    for (const std::string& second : row.accepted)
      EXPECT_TRUE(predicate(row.first, second)) << "should accept: " << row.first << " / " << second;
    for (const std::string& second : row.refused)
      EXPECT_FALSE(predicate(row.first, second)) << "should refuse: " << row.first << " / " << second;
  }
}

#endif
