#include "model/PI_Guard.h"

#include <cstdio>
#include <exception>
#include <new>

#include "util/U_Exception.h"

namespace {

int& failures() {
  static int count = 0;
  return count;
}

// What the exception being handled says about itself.
const char* causeOf(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    return "out of memory";
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "an unrecognised exception";
  }
}

}  // namespace

void P_reportInterfaceFailure(const char* function) noexcept {
  ++failures();
  std::fprintf(stderr, "%s: %s\n", function, causeOf(std::current_exception()));
  std::fflush(stderr);
}

int P_interfaceFailureCount() noexcept { return failures(); }
