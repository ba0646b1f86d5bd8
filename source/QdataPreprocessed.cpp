#include <cstdlib>

#include "source/Qdata.h"
#include "source/Qparse.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A line starting with "/*N*/": N and the position of its "*/".
bool numberedLine(const U_String& line, long& number, std::size_t& closer) {
  if (line.compare(0, 2, "/*") != 0) return false;
  std::size_t p = 2;
  while (p < line.size() && isDigit(line[p])) ++p;
  if (p == 2 || line.compare(p, 2, "*/") != 0) return false;
  number = std::strtol(line.c_str() + 2, nullptr, 10);
  closer = p;
  return true;
}

// A line marker "# N "file"" or "#line N "file"": the file it names.
bool lineMarker(const U_String& line, U_String& file) {
  if (!Qparse::match_whitespace_then_hash(line)) return false;
  std::vector<U_String> tokens = Qparse::split_into_tokens(line);
  std::size_t k = 1;
  if (k < tokens.size() && tokens[k] == "line") ++k;
  if (k + 1 >= tokens.size() || !isDigit(tokens[k][0]) || tokens[k + 1].size() < 2 ||
      tokens[k + 1][0] != '"')
    return false;
  file = tokens[k + 1].substr(1, tokens[k + 1].size() - 2);
  return true;
}

}  // namespace

namespace Qdata {

std::map<U_String, PPFileTokens>& all_pp_files_tokens() {
  static std::map<U_String, PPFileTokens> cache;
  return cache;
}

std::map<U_String, LinenoLookup>& all_lineno_lookups() {
  static std::map<U_String, LinenoLookup> cache;
  return cache;
}

// Lines before any line marker belong to file 0; the files named by line
// markers are numbered from 1 in order of first appearance.
void tokenise_ppfile(PPFileTokens* out) {
  if (!out) return;
  out->lines.clear();
  const Lines& lines = get_raw_file(cmd_line_pp_file());
  std::map<U_String, int32_t> fileNumbers;
  int32_t file = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const U_String& line = lines[i];
    U_String marked;
    if (lineMarker(line, marked)) {
      file = fileNumbers.emplace(marked, static_cast<int32_t>(fileNumbers.size() + 1)).first->second;
      continue;
    }
    long number = 0;
    std::size_t closer = 0;
    if (!numberedLine(line, number, closer)) continue;
    PPLine pp;
    pp.source = {file, static_cast<int32_t>(number - 1)};
    pp.ppLine = static_cast<int>(i);
    const U_String text = closer + 3 < line.size() ? line.substr(closer + 3) : U_String();
    Qparse::split_line_into_tokens_and_positions(text, pp.tokens, pp.positions);
    out->lines.push_back(std::move(pp));
  }
}

const PPFileTokens& get_tokenised_pp_file() {
  auto& cache = all_pp_files_tokens();
  auto found = cache.find(cmd_line_pp_file());
  if (found != cache.end()) return found->second;
  PPFileTokens tokens;
  tokenise_ppfile(&tokens);
  return cache.emplace(cmd_line_pp_file(), std::move(tokens)).first->second;
}

void calc_lineno_lookup(LinenoLookup* out) {
  if (!out) return;
  out->clear();
  const PPFileTokens& pp = get_tokenised_pp_file();
  for (std::size_t i = 0; i < pp.lines.size(); ++i) out->emplace(pp.lines[i].source, static_cast<int>(i));
}

const LinenoLookup& get_tokenised_pp_file_lineno_index() {
  auto& cache = all_lineno_lookups();
  auto found = cache.find(cmd_line_pp_file());
  if (found != cache.end()) return found->second;
  LinenoLookup lookup;
  calc_lineno_lookup(&lookup);
  return cache.emplace(cmd_line_pp_file(), std::move(lookup)).first->second;
}

}  // namespace Qdata
