#ifndef SOURCE_QPARSE_H
#define SOURCE_QPARSE_H

#include <vector>

#include "util/U_String.h"

// Lexical matching and tokenising of C and C++ source lines.  Everything
// here is stateless apart from the operator table, which is built once.
namespace Qparse {

// One row of the operator table: an operator is `leading` followed by one
// of `continuations`, tried in order (longest first within a row).
struct LexEntry {
  char leading;
  int count;
  std::vector<U_String> continuations;
};

// The process-wide operator table, built on first use.
const std::vector<LexEntry>& lex_table();
// Builds the operator table now (idempotent); `initialise_Qparse` is the
// start-up hook of the whole lexical layer.
void initialise_lex_table();
void initialise_Qparse();

// Character classes shared by the tokeniser and the matchers.
bool is_word_char(char c);
bool is_blank(char c);
bool is_single_punctuator(char c);

bool match_all_whitespace(const U_String& s);
bool match_is_all_spaces(const U_String& s);
bool match_token_is_whitespace_then_colon(const U_String& s);
bool match_whitespace_then_hash(const U_String& s);
bool match_trailing_backslash_and_whitespace(const U_String& s);
bool match_trailing_comment_that_spans_lines(const U_String& s);
bool match_hash_directive(const U_String& s, const U_String& name);
bool match_hash_define_directive(const U_String& s);
bool match_token_is_identifier(const U_String& s);

// Length of the word (or of the run of other non-blank characters)
// starting at `pos`; 0 for an empty string or a position past the end.
unsigned int count_to_word_boundary(const U_String& s, std::size_t pos);

// Overwrites every comment delimiter with two spaces; columns stay put.
U_String remove_comment_delimiters(const U_String& s);

// Text between the first `open` and the next `close` after it; "" when
// either is missing.
U_String extract_string_between(const U_String& s, char open, char close);
// Pieces between runs of `c`; empty pieces are dropped.
std::vector<U_String> split_on_char_sequence(const U_String& s, char c);
// Pieces between single occurrences of `c`, empty pieces kept: n
// separators always give n + 1 pieces.
std::vector<U_String> split_on_char_precise(const U_String& s, char c);

// Tokens of `line` with their columns in the tab-expanded (width 8) line.
void split_line_into_tokens_and_positions(const U_String& line, std::vector<U_String>& tokens,
                                          std::vector<int>& positions);
std::vector<U_String> split_into_tokens(const U_String& line);

}  // namespace Qparse

#endif
