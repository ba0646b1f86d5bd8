#include "model/P_DebugKeywords.h"

#include "config/C_Options.h"

namespace {

const char kLogFilePrefix[] = "log-file=";

}  // namespace

bool P_showSymbolErrors() {
  static const bool on = C_hasDebug("show-symbol-errors");
  return on;
}

bool P_showRelationErrors() {
  static const bool on = C_hasDebug("show-relation-errors");
  return on;
}

bool P_showExtvErrors() {
  static const bool on = C_hasDebug("show-extv-errors");
  return on;
}

bool P_showMetricErrors() {
  static const bool on = C_hasDebug("show-metric-errors");
  return on;
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
