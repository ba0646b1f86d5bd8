#include "util/U_String.h"

namespace {
int lowerAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
}
}  // namespace

int U_strnicmp(const char* a, const char* b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    int ca = lowerAscii(static_cast<unsigned char>(a[i]));
    int cb = lowerAscii(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
  return 0;
}

int U_stricmp(const char* a, const char* b) {
  return U_strnicmp(a, b, static_cast<std::size_t>(-1));
}
