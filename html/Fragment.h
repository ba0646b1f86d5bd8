#ifndef HTML_FRAGMENT_H
#define HTML_FRAGMENT_H

#include <string>
#include <utility>
#include <vector>

namespace kxdf_html {

// One line of a code fragment: its source line number (0 when the line
// carries none) and its source text.
struct FragmentLine {
  int number = 0;
  std::string text;
};

// Splits the text of a framed code fragment into its lines.  Each line is
// an optional indent, a right-aligned line number, ": " and the source
// text; the final line end gives no extra line.
std::vector<FragmentLine> parseFragment(const std::string& text);

// Whether a text has lines and every one of them carries a line number.
bool isNumberedFragment(const std::string& text);

// The first and last line numbers of a fragment (0, 0 when it has none).
std::pair<int, int> fragmentRange(const std::vector<FragmentLine>& lines);

}  // namespace kxdf_html

#endif
