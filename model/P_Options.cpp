#include "model/P_Options.h"

#include <cstring>

#include "config/C_CmdArgs.h"
#include "config/C_Options.h"
#include "model/P_DebugKeywords.h"
#include "model/P_UniqueStr.h"
#include "util/U_Assert.h"

namespace {

// The characters that end an option's name: a blank or '=' before a value,
// '+' or '-' for a boolean.
const char kSeparators[] = " +-=";

// Position of the first separator in `text`, or null when there is none.
const char* findSeparator(const char* text) {
  const size_t length = std::strcspn(text, kSeparators);
  return text[length] == '\0' ? nullptr : text + length;
}

}  // namespace

void Option::addOption(P_OptionCont& store, const U_String& text) {
  const size_t colons = text.find("::");
  if (colons == U_String::npos || colons + 2 >= text.size()) return;
  const char* nameSpace = P_createUniqueStr(text.substr(0, colons).c_str());
  const char* option = P_createUniqueStr(text.substr(colons + 2).c_str());
  store.emplace(nameSpace, option);
}

void Option::parseOptions(C_Options& options, P_OptionCont& store) {
  for (const U_String& text : C_getArgProdOption(options)) addOption(store, text);
}

P_OptionCont& P_getOptionCont() {
  static P_OptionCont store;
  static bool refill = true;
  if (refill) {
    refill = P_isAlwaysFirst();
    store.clear();
    Option::parseOptions(C_CmdArgs::getGlobal().getOptions(), store);
  }
  return store;
}

const char* P_getOptionName(const char* text) {
  if (text == nullptr) return P_createUniqueStr("");
  const char* separator = findSeparator(text);
  if (separator == nullptr) return P_createUniqueStr(text);
  return P_createUniqueStr(U_String(text, separator).c_str());
}

const char* P_getOptionValue(const char* text) {
  const char* separator = text == nullptr ? nullptr : findSeparator(text);
  if (separator == nullptr || (*separator != ' ' && *separator != '=')) {
    U_DoAssert(__FILE__, __LINE__, "! \"Value options should be:  option[ |=].*\"", true);
    return P_createUniqueStr("");
  }
  return P_createUniqueStr(separator + 1);
}

bool P_isOptionTrue(const char* text) {
  const char* separator = text == nullptr ? nullptr : findSeparator(text);
  if (separator == nullptr || *separator == '+') return true;
  if (*separator == '-') return false;
  U_DoAssert(__FILE__, __LINE__, "! \"Boolean options should be:  option[+|-]+\"", true);
  return false;
}

const char* P_getOptionData(const P_OptionCont& cache, P_OptionCont::const_iterator iter) {
  U_ASSERT(iter != cache.end () && "We should have a valid iterator");
  return iter->second;
}
