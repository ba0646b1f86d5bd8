#ifndef TESTS_MODEL_TEST_PI_SUPPORT_H
#define TESTS_MODEL_TEST_PI_SUPPORT_H

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "model/DefineHandler.h"
#include "model/PI_Interface.h"
#include "model/SymbolTable.h"
#include "util/U_Exception.h"

// Feeds DEFINE record lines to the definition handler with the process-wide
// symbol table, as the record reader does for one file.
inline void piFeedDefines(std::initializer_list<const char*> lines) {
  DefineHandler::setSymbolTable(P_getSymbolTable());
  for (const char* line : lines) DefineHandler::handleLine(line);
}

// The symbol whose current define has this display name, found by a full
// symbol loop; null when there is none.
inline P_Symbol* piFindSymbol(const char* name) {
  P_Symbol* found = nullptr;
  for (PI_SymbolIterHan it = PI_getFirstSymbol(); !PI_isSymbolIterEnd(it); PI_getSymbolIterNext(it)) {
    P_Symbol* sym = PI_getSymbolIterData(it);
    if (std::strcmp(PI_getOutputString(PI_getDefineQualName(PI_getSymbolCurrentDefine(sym))), name) == 0) found = sym;
  }
  return found;
}

// Runs `fn` and returns what it wrote to standard error.  A call of the
// check interface that fails must not let the failure escape as an exception
// (the caller may be C); with `mustAssert`, `fn` must end in an assertion.
inline std::string piStderrOf(const std::function<void()>& fn, bool mustAssert = false) {
  testing::internal::CaptureStderr();
  bool asserted = false, threw = false;
  try {
    fn();
  } catch (const U_AssertException&) {
    asserted = threw = true;
  } catch (...) {
    threw = true;
  }
  std::string text = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(mustAssert ? asserted : !threw)
      << (mustAssert ? "no assertion failure" : "an exception crossed the check interface");
  return text;
}

#endif
