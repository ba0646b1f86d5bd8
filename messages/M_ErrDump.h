#ifndef MESSAGES_M_ERRDUMP_H
#define MESSAGES_M_ERRDUMP_H

#include <ostream>
#include <vector>

#include "util/U_String.h"

// The listing of error files done by the companion command kxdf.errdump.

// What kxdf.errdump was asked to do.
struct ErrDumpRequest {
  U_String format;  // empty: the simple representation
  bool diagnostics = true;
  bool suppressions = true;
  std::vector<U_String> files;
};

// Reads the arguments; false (with a message on ERR) when they are wrong.
bool errDumpParseArgs(int argc, const char* const* argv, ErrDumpRequest& request, std::ostream& err);

// Lists each file; returns the exit code: 0 when every file was read, 1
// when one could not be read (its error goes to ERR, the others are still
// listed).
int errDumpRun(const ErrDumpRequest& request, std::ostream& out, std::ostream& err);

void errDumpUsage(std::ostream& os);

#endif
