// Matching of option words against the product's argument table.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "config/C_CmdArgs.h"
#include "config/C_Exceptions.h"
#include "config/C_OptionTables.h"
#include "config/C_ProductConfigs.h"

int C_getProductIndex(const char* name) {
  if (!name) return -1;
  char buffer[10] = {0};
  std::strncpy(buffer, name, 9);
  if (std::strlen(name) > 9) return -1;  // a longer name never matches
  for (char& c : buffer)
    if (c == '+') c = 'P';
  const C_ProductRow* table = C_getProductTable();
  for (int row = 0; table[row].productId != 0; ++row)
    if (U_stricmp(buffer, table[row].name) == 0) return row;
  return -1;
}

bool validateProduct(const char* name) {
  C_currentProductIndex() = C_getProductIndex(name);
  return C_currentProductIndex() != -1;
}

int& C_currentProductIndex() {
  static int productIndex = -1;
  return productIndex;
}

namespace {

signed char firstChar(const char* s) { return static_cast<signed char>(s[0]); }

}  // namespace

// The rows sharing the text's first character are found by binary search;
// among them the longest spelling that prefixes the text wins.
C_OptionBase* matchArg(const C_CmdArgs& cmdArgs, const char* text, int& matchedLength,
                       const C_OptionMapping* table, int rows) {
  matchedLength = 0;
  if (!text || !table || rows <= 0) return nullptr;
  const signed char c = static_cast<signed char>(std::tolower(static_cast<unsigned char>(text[0])));
  const C_OptionMapping* end = table + rows;
  const C_OptionMapping* lower =
      std::partition_point(table, end, [c](const C_OptionMapping& m) { return firstChar(m.spelling) < c; });
  const C_OptionMapping* upper =
      std::partition_point(lower, end, [c](const C_OptionMapping& m) { return firstChar(m.spelling) <= c; });
  const C_OptionMapping* best = nullptr;
  size_t bestLength = 0;
  for (const C_OptionMapping* row = lower; row != upper; ++row) {
    const size_t length = std::strlen(row->spelling);
    if (length > bestLength && U_strnicmp(text, row->spelling, length) == 0) {
      best = row;
      bestLength = length;
    }
  }
  if (!best) return nullptr;
  matchedLength = static_cast<int>(bestLength);
  return &(cmdArgs.getOptions().*(best->accessor))();
}

U_String expectArg(const U_String& optionName, std::istream& in) {
  U_String line;
  if (!std::getline(in, line)) throw C_ValueExpectedException(optionName);
  if (!line.empty() && line[0] == '=') line.erase(0, 1);
  return line;
}

namespace {

void handleOption(C_OptionBase& option, const U_String& suffix, std::istream& in) {
  if (suffix.empty()) {
    option.handleArgument(in, C_HasSuffix::no);
  } else if (dynamic_cast<C_OptionVia*>(&option)) {
    // "-via=file" names the file like "-viafile".
    C_OptionVia::openViaFile(suffix.c_str() + (suffix[0] == '=' ? 1 : 0), in);
  } else {
    std::istringstream value(suffix);
    option.handleArgument(value, C_HasSuffix::yes);
  }
}


}  // namespace

void processArguments(C_CmdArgs& cmdArgs, std::istream& in, C_OrphanHandler& handler) {
  int rows = 0;
  const C_OptionMapping* table = C_getArgumentTable(cmdArgs.getProductIndex(), rows);
  C_Options& options = cmdArgs.getOptions();
  U_String word;
  while (std::getline(in, word)) {
    if (word.empty()) continue;
    if (word[0] != '-') {
      handler.handleArg(cmdArgs, word);
      continue;
    }
    try {
      int length = 0;
      C_OptionBase* option = matchArg(cmdArgs, word.c_str() + 1, length, table, rows);
      if (!option) {
        C_InvalidArgException unknown(word);
        if (C_getArgErrorInvalidArg(options)) throw unknown;
        std::fputs(unknown.what(), stderr);
        continue;
      }
      handleOption(*option, word.substr(1 + static_cast<size_t>(length)), in);
    } catch (const C_InvalidArgValueException& e) {
      if (C_getArgErrorInvalidArgValue(options)) throw;
      std::fputs(e.what(), stderr);
    } catch (const C_ValueExpectedException& e) {
      if (C_getArgErrorInvalidArgValue(options)) throw;
      std::fputs(e.what(), stderr);
    }
  }
}
