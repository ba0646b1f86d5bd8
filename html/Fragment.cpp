#include "html/Fragment.h"

#include <string>

namespace kxdf_html {

namespace {

FragmentLine parseLine(const std::string& line) {
  size_t i = line.find_first_not_of(' ');
  size_t digitsEnd = i;
  while (digitsEnd < line.size() && line[digitsEnd] >= '0' && line[digitsEnd] <= '9') ++digitsEnd;
  const bool numbered = i != std::string::npos && digitsEnd > i && digitsEnd - i <= 9 &&
                        line.compare(digitsEnd, 2, ": ") == 0;
  if (!numbered) return {0, line};
  return {std::stoi(line.substr(i, digitsEnd - i)), line.substr(digitsEnd + 2)};
}

}  // namespace

std::vector<FragmentLine> parseFragment(const std::string& text) {
  std::vector<FragmentLine> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(parseLine(text.substr(start, end - start)));
    start = end + 1;
  }
  return lines;
}

bool isNumberedFragment(const std::string& text) {
  const std::vector<FragmentLine> lines = parseFragment(text);
  if (lines.empty()) return false;
  for (const FragmentLine& line : lines)
    if (line.number == 0) return false;
  return true;
}

std::pair<int, int> fragmentRange(const std::vector<FragmentLine>& lines) {
  int first = 0, last = 0;
  for (const FragmentLine& line : lines) {
    if (line.number == 0) continue;
    if (first == 0 || line.number < first) first = line.number;
    if (line.number > last) last = line.number;
  }
  return {first, last};
}

}  // namespace kxdf_html
