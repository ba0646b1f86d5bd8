#include "util/U_NumberRangeList.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Reads a decimal number at text[pos], saturating far beyond any int.
long long readNumber(const U_String& text, size_t& pos) {
  long long n = 0;
  while (pos < text.size() && isDigit(text[pos])) {
    if (n < 100000000000LL) n = n * 10 + (text[pos] - '0');
    ++pos;
  }
  return n;
}

}  // namespace

void U_NumberRangeList::parseRangeList(const U_String& text) {
  size_t pos = 0;
  while (pos < text.size()) {
    if (!isDigit(text[pos])) {
      ++pos;
      continue;
    }
    long long a = readNumber(text, pos);
    if (pos + 1 < text.size() && text[pos] == '-' && isDigit(text[pos + 1])) {
      ++pos;
      appendRange(a, readNumber(text, pos));
    } else {
      appendRange(a, a);
    }
  }
}

void U_NumberRangeList::appendRange(long long a, long long b) {
  if (a > b) std::swap(a, b);
  a = std::min<long long>(a, 2147483647LL);
  b = std::min<long long>(b, 2147483647LL);
  if (b - a + 1 > kMaxRange) {
    long long last = a + kMaxRange - 1;
    std::fprintf(stderr,
                 "\n\nWARNING: configured number range %lld-%lld is too large.\n"
                 "WARNING: Will truncate range to %lld-%lld.\n\n",
                 a, b, a, last);
    b = last;
  }
  for (long long n = a; n <= b; ++n) m_values.push_back(static_cast<int>(n));
}

bool U_NumberRangeList::contains(int n) const {
  return std::find(m_values.begin(), m_values.end(), n) != m_values.end();
}
