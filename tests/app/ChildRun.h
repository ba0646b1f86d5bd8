#ifndef TESTS_APP_CHILDRUN_H
#define TESTS_APP_CHILDRUN_H

#include <functional>
#include <string>

#include "TempDir.h"

// Runs body in a forked child whose standard output and error go to files,
// so that process-wide state (the version flag, signal handlers) and exits
// stay out of the test process.  The child exits with body's result.
struct ChildRun {
  int status = -1;    // exit status, -1 when the child was killed
  int termSignal = 0;
  std::string out;
  std::string err;
};

ChildRun runInChild(const std::function<int()>& body);

#endif
