#ifndef MODEL_P_METRICSTORE_H
#define MODEL_P_METRICSTORE_H

#include "util/U_String.h"

// The metric values of the "S" records: "<S>NAME VALUE".  A record named
// STFIL starts the values of a file, STNAM those of an entity within it;
// the other names are metrics of the entity (or of the file, before any
// STNAM).  Values are kept as text under (entity, metric name).
struct P_MetricStore {
  // The "S" record handler.
  static void handleLine(const U_String& line);
  // Switches the "S" records on (once).
  static void configure();

  // The value text, interned, or null when absent.
  static const char* getValue(const char* entity, const char* metric);
  // The file of the latest STFIL record (the current metric group), or "".
  static const char* getGroupName();
};

#endif
