#ifndef TESTS_SUPPORT_TEXTCHECKS_H
#define TESTS_SUPPORT_TEXTCHECKS_H

// Checks on generated text: a failure names the parts that are missing (or
// present when they must not be) and shows the whole text.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// How often `part` occurs in `text`, overlaps included.
inline size_t occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// Whether every one of `parts` occurs in `text`.
inline testing::AssertionResult containsAll(const std::string& text, std::initializer_list<std::string> parts) {
  std::string missing;
  for (const std::string& part : parts)
    if (text.find(part) == std::string::npos) missing += "missing: " + part + "\n";
  if (missing.empty()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << missing << "in:\n" << text;
}

// Whether none of `parts` occurs in `text`.
inline testing::AssertionResult containsNone(const std::string& text, std::initializer_list<std::string> parts) {
  std::string found;
  for (const std::string& part : parts)
    if (text.find(part) != std::string::npos) found += "unexpected: " + part + "\n";
  if (found.empty()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << found << "in:\n" << text;
}

#endif
