#include "report/Mixed_Type.h"

#include <cstdlib>
#include <cstring>

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool all_digits(const U_String& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!is_digit(c)) return false;
  return true;
}

// <0, 0 or >0 like memcmp over the common length, then the longer string
// is the greater.
int compare_bytes(const U_String& a, const U_String& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
  if (c != 0) return c;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int compare_run(const U_String& a, const U_String& b) {
  if (all_digits(a) && all_digits(b)) {
    int x = std::atoi(a.c_str()), y = std::atoi(b.c_str());
    return x == y ? 0 : (x < y ? -1 : 1);
  }
  return compare_bytes(a, b);
}

}  // namespace

std::vector<U_String> Split_Mixed_Type(const U_String& s) {
  std::vector<U_String> runs;
  for (size_t i = 0; i < s.size();) {
    const bool digits = is_digit(s[i]);
    size_t j = i + 1;
    while (j < s.size() && is_digit(s[j]) == digits) ++j;
    runs.push_back(s.substr(i, j - i));
    i = j;
  }
  return runs;
}

bool Mixed_Type_Gt(const U_String& a, const U_String& b) {
  const std::vector<U_String> A = Split_Mixed_Type(a), B = Split_Mixed_Type(b);
  const size_t m = A.size() < B.size() ? A.size() : B.size();
  for (size_t k = 0; k < m; ++k) {
    int c = compare_run(A[k], B[k]);
    if (c != 0) return c > 0;
  }
  return A.size() > B.size();
}
