#include <cctype>
#include <cstdio>

#include "source/Qgen.h"

namespace Qgen {

U_String Chomp(const U_String& s) {
  std::size_t end = s.find_last_not_of("\r\n");
  return end == U_String::npos ? U_String() : s.substr(0, end + 1);
}

U_String Rtrim(const U_String& s, const U_String& chars) {
  std::size_t end = s.find_last_not_of(chars);
  return end == U_String::npos ? U_String() : s.substr(0, end + 1);
}

U_String Ltrim(const U_String& s, const U_String& chars) {
  std::size_t start = s.find_first_not_of(chars);
  return start == U_String::npos ? U_String() : s.substr(start);
}

U_String Trim(const U_String& s, const U_String& chars) { return Ltrim(Rtrim(s, chars), chars); }

U_String ustring_lower(const U_String& s) {
  U_String out = s;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

U_String Image(long n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%ld", n);
  return buf;
}

void Global_Replace(U_String& s, const U_String& from, const U_String& to) {
  if (s.empty() || from.empty()) return;
  std::size_t p = s.find(from);
  if (p == U_String::npos) return;
  // Built in one pass: replacing in place would shift the rest of the
  // string once per match, quadratic in a text made mostly of matches.
  U_String out;
  out.reserve(s.size());
  std::size_t done = 0;
  for (; p != U_String::npos; p = s.find(from, done)) {
    out.append(s, done, p - done);
    out += to;
    done = p + from.size();
  }
  out.append(s, done, U_String::npos);
  s.swap(out);
}

U_String Expand_Tabs(const U_String& s, int width) {
  if (width < 1 || s.find('\t') == U_String::npos) return s;
  U_String out;
  out.reserve(s.size() + 16);
  for (char c : s) {
    if (c != '\t') {
      out.push_back(c);
      continue;
    }
    std::size_t fill = static_cast<std::size_t>(width) - out.size() % static_cast<std::size_t>(width);
    out.append(fill > 9 ? 9 : fill, ' ');
  }
  return out;
}

}  // namespace Qgen
