#include "util/U_Assert.h"

#include <csignal>
#include <cstdio>

#include "util/U_Exception.h"

namespace {

U_AuxillaryAssertMessageFunction& auxFunction() {
  static U_AuxillaryAssertMessageFunction fn = nullptr;
  return fn;
}

U_String translateEscapes(const char* message) {
  U_String out;
  for (const char* p = message; *p;) {
    if (p[0] == '<' && p[1] == 'N' && p[2] == 'L' && p[3] == '>') {
      out += '\n';
      p += 4;
    } else if (p[0] == '<' && p[1] == 'T' && p[2] == 'B' && p[3] == '>') {
      out += '\t';
      p += 4;
    } else {
      out += *p++;
    }
  }
  return out;
}

// Writes the report line and returns it.
U_String report(const char* file, int line, const char* kind, const char* message) {
  U_String text = U_String(kind) + " at " + file + ":" + std::to_string(line) +
                  ": Assertion '" + translateEscapes(message) + "' failed.";
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
  if (auxFunction()) auxFunction()(text);
  return text;
}

}  // namespace

void U_setAuxillaryAssertMessageFunction(U_AuxillaryAssertMessageFunction fn) {
  auxFunction() = fn;
}

void U_DoWarning(const char* file, int line, const char* kind, const char* message) {
  report(file, line, kind, message);
}

void U_DoAssert(const char* file, int line, const char* condition) {
  throw U_AssertException(report(file, line, "Assertion", condition));
}

void U_DoAssert(const char* file, int line, const char* condition, bool abortProcess) {
  U_DoWarning(file, line, "Assertion", condition);
  if (abortProcess) std::raise(SIGABRT);
}

void U_DoError(const char* file, int line, const char* kind, const char* message) {
  throw U_AssertException(report(file, line, kind, message));
}
