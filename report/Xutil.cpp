#include "report/Xutil.h"

#include "source/Qgen.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>

namespace Xutil {

void Global_Replace(U_String& s, U_String from, U_String to) {
  // The report's name for the source layer's one-pass replacement.
  Qgen::Global_Replace(s, from, to);
}

U_String To_Lower(const U_String& s) {
  U_String out = s;
  for (char& c : out) {
    if (c == '\0') break;
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

U_String link_target(const U_String& title) {
  U_String name = title;
  Global_Replace(name, " ", "_");
  return To_Lower(name);
}

int Round(double d) {
  if (std::isnan(d)) return 0;
  const double magnitude = std::floor(std::fabs(d) + 0.5);
  const int whole = magnitude >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(magnitude);
  return d > 0 ? whole : -whole;
}

void splitDouble(double d, unsigned int& whole, unsigned int& hundredths) {
  whole = 0;
  hundredths = 0;
  if (!(d > 0)) return;
  if (d >= static_cast<double>(UINT_MAX)) {
    whole = UINT_MAX;
    return;
  }
  whole = static_cast<unsigned int>(d);
  hundredths = static_cast<unsigned int>((d - whole) * 100);
}

U_String U_StringOfInt(long n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%ld", n);
  return buf;
}

U_String format_3dp(double d) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.3lf ", d);
  return buf;
}

std::vector<U_String> split_string_allowing_specific_quoted_terms(const U_String& separators,
                                                                  const U_String& text, char quote) {
  std::vector<U_String> terms;
  if (text.empty() || separators.empty()) return terms;
  U_String term;
  bool inQuotes = false;
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (c == '\\' && i + 1 < n && text[i + 1] == quote) {
      // Inside quotes, an escaped quote that ends the text is the closing
      // quote after a literal backslash.
      if (inQuotes && i + 2 == n) {
        term += c;
        break;
      }
      term += quote;
      ++i;
    } else if (c == quote) {
      inQuotes = !inQuotes;
    } else if (!inQuotes && separators.find(c) != U_String::npos) {
      if (!term.empty()) terms.push_back(term);
      term.clear();
    } else {
      term += c;
    }
  }
  if (!term.empty()) terms.push_back(term);
  return terms;
}

}  // namespace Xutil
