#ifndef UTIL_U_ASSERT_H
#define UTIL_U_ASSERT_H

#include "util/U_String.h"

// Assertion and warning reports.  Each writes one line to standard error:
//   KIND at FILE:LINE: Assertion 'MESSAGE' failed.
// with "<NL>" and "<TB>" in MESSAGE turned into a newline and a tab.
void U_DoWarning(const char* file, int line, const char* kind, const char* message);
// Reports with kind "Assertion", then throws U_AssertException.
[[noreturn]] void U_DoAssert(const char* file, int line, const char* condition);
// Reports with kind "Assertion"; raises SIGABRT when abortProcess is set.
void U_DoAssert(const char* file, int line, const char* condition, bool abortProcess);
// Reports like U_DoWarning, then throws U_AssertException.
[[noreturn]] void U_DoError(const char* file, int line, const char* kind, const char* message);

using U_AuxillaryAssertMessageFunction = void (*)(const U_String& line);
void U_setAuxillaryAssertMessageFunction(U_AuxillaryAssertMessageFunction fn);

// The tested expression and its explanation form the message, for example
//   U_ASSERT(0 != def && "Dont dereference 0.");
#define U_ASSERT(cond) \
  do {                 \
    if (!(cond)) U_DoAssert(__FILE__, __LINE__, #cond); \
  } while (0)

#endif
