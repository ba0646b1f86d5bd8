#include "model/P_DebugKeywords.h"

#include <optional>

#include "config/C_Options.h"

namespace {

const char kLogFilePrefix[] = "log-file=";

// The "show-" switches, each looked up on its first use and remembered.
enum ShowSwitch { kShowSymbol, kShowRelation, kShowExtv, kShowMetric, kShowSwitchCount };

const char* const kShowKeywords[kShowSwitchCount] = {
    "show-symbol-errors", "show-relation-errors", "show-extv-errors", "show-metric-errors"};

std::optional<bool>* rememberedSwitches() {
  static std::optional<bool> remembered[kShowSwitchCount];
  return remembered;
}

bool isShown(ShowSwitch which) {
  std::optional<bool>& remembered = rememberedSwitches()[which];
  if (!remembered) remembered = C_hasDebug(kShowKeywords[which]);
  return *remembered;
}

}  // namespace

bool P_showSymbolErrors() { return isShown(kShowSymbol); }
bool P_showRelationErrors() { return isShown(kShowRelation); }
bool P_showExtvErrors() { return isShown(kShowExtv); }
bool P_showMetricErrors() { return isShown(kShowMetric); }

void P_rereadShowSwitches() {
  std::optional<bool>* remembered = rememberedSwitches();
  for (int i = 0; i < kShowSwitchCount; ++i) remembered[i].reset();
}

bool P_isSourceLogOn() { return C_hasDebug("log"); }

U_String P_getSourceLogFile() {
  const size_t prefixLength = sizeof(kLogFilePrefix) - 1;
  for (const U_String& entry : C_getArgDebug()) {
    if (entry.compare(0, prefixLength, kLogFilePrefix) == 0) return entry.substr(prefixLength);
  }
  return U_String();
}

bool P_isAlwaysFirst() { return C_hasDebug("always-first"); }
