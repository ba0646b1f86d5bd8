#ifndef MESSAGES_DIAGNOSTIC_H
#define MESSAGES_DIAGNOSTIC_H

#include "util/U_Location.h"

// Set-up of the diagnostic layer for a run and the locations of diagnostics
// created by a check.
class Diagnostic {
 public:
  // Gives, for a file, the location of the #include that brought it in (an
  // unset location when none is known).  The include handler lives above
  // this layer, so it hands its lookup in through configure().
  using IncludeLookup = U_Location (*)(const U_Filename& file);

  // Registers the include lookup used by makeLocation; without one,
  // locations get no include location.
  static void configure(IncludeLookup lookup = nullptr);
  // The location of a diagnostic created by a check.
  static U_Location makeLocation(const char* file, int line, int column);
};

// Pragma suppressions are not read in this program.
class PragmaSuppressHandler {
 public:
  static void configure() {}
};

#endif
