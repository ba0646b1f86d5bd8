#include <cstring>

#include "source/Qparse.h"

namespace {

// The operator table as data: a leading character, the number of
// continuations and up to nine continuations, read until the row 'E'.
// Longer continuations come first so the first match is the longest;
// '.' has two rows and both are searched in table order.
struct LexRow {
  char leading;
  int count;
  const char* continuations[9];
};

const LexRow kLexRows[] = {
    {'.', 1, {".."}},
    {'!', 1, {"="}},
    {'=', 1, {"="}},
    {'/', 3, {"=", "/", "*"}},
    {'*', 1, {"="}},
    {'~', 1, {"="}},
    {'^', 1, {"="}},
    {'&', 2, {"=", "&"}},
    {'|', 2, {"=", "|"}},
    {'+', 2, {"=", "+"}},
    {'#', 1, {"#"}},
    {':', 2, {":", ">"}},
    {'?', 9, {"?=", "?(", "?/", "?)", "?'", "?<", "?!", "?>", "?-"}},
    {'%', 4, {":%:", "=", ">", ":"}},
    {'.', 2, {"*", ".."}},
    {'<', 5, {"<=", "<", "=", "%", ":"}},
    {'>', 3, {">=", ">", "="}},
    {'-', 4, {"=", "-", ">*", ">"}},
    {'E', 0, {}},
};

std::vector<Qparse::LexEntry> buildTable() {
  std::vector<Qparse::LexEntry> table;
  for (const LexRow& row : kLexRows) {
    if (row.leading == 'E') break;
    Qparse::LexEntry entry{row.leading, row.count, {}};
    for (int i = 0; i < row.count && i < 9; ++i) entry.continuations.emplace_back(row.continuations[i]);
    table.push_back(std::move(entry));
  }
  return table;
}

}  // namespace

namespace Qparse {

const std::vector<LexEntry>& lex_table() {
  static const std::vector<LexEntry> table = buildTable();
  return table;
}

void initialise_lex_table() { (void)lex_table(); }

void initialise_Qparse() { initialise_lex_table(); }

bool is_word_char(char c) {
  static const char kWord[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_@$";
  return c != '\0' && std::strchr(kWord, c) != nullptr;
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool is_single_punctuator(char c) { return c != '\0' && std::strchr(",;{}[]()\\", c) != nullptr; }

}  // namespace Qparse
