#include "source/Qdata.h"
#include "source/Qparse.h"

namespace Qdata {

std::map<U_String, FileTokens>& all_files_tokens() {
  static std::map<U_String, FileTokens> cache;
  return cache;
}

void tokenise_file(FileTokens* out, const U_String& name) {
  if (!out) return;
  const Lines& clean = get_clean_raw_file(name);
  out->tokens.assign(clean.size(), {});
  out->positions.assign(clean.size(), {});
  for (std::size_t i = 0; i < clean.size(); ++i)
    Qparse::split_line_into_tokens_and_positions(Qparse::remove_comment_delimiters(clean[i]),
                                                 out->tokens[i], out->positions[i]);
}

const FileTokens& get_tokenised_file(const U_String& name) {
  auto& cache = all_files_tokens();
  auto found = cache.find(name);
  if (found != cache.end()) return found->second;
  FileTokens tokens;
  tokenise_file(&tokens, name);
  return cache.emplace(name, std::move(tokens)).first->second;
}

bool get_pre_processor_statement(const Lines& lines, std::size_t& index, U_String& statement) {
  if (index >= lines.size() || !Qparse::match_whitespace_then_hash(lines[index])) return false;
  statement.clear();
  std::size_t i = index;
  for (;; ++i) {
    const U_String& line = lines[i];
    if (!Qparse::match_trailing_backslash_and_whitespace(line) || i + 1 >= lines.size()) {
      statement += line;
      break;
    }
    // Splice: the backslash and the blanks after it join the next line.
    statement.append(line, 0, line.find_last_of('\\'));
  }
  index = i;
  return true;
}

}  // namespace Qdata
