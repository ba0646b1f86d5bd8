#ifndef MODEL_PI_GUARD_H
#define MODEL_PI_GUARD_H

#include <type_traits>

// The exported functions are called from checks written in C, where a C++
// exception cannot be caught: one that reached the caller would end its
// process.  So every exported function that can throw runs its body
// through P_guard: a failure is reported on standard error, counted, and
// the function answers its neutral value (0, a null pointer, an ended loop).

// Writes "FUNCTION: CAUSE" for the exception being handled and counts it.
// Call only inside a catch block.
void P_reportInterfaceFailure(const char* function) noexcept;

// How many calls of the interface failed so far in this process.
int P_interfaceFailureCount() noexcept;

// Runs `body`; when it throws, reports the failure and returns `neutral`.
template <class Body>
std::invoke_result_t<Body&> P_guard(const char* function, std::invoke_result_t<Body&> neutral,
                                    Body body) noexcept {
  try {
    return body();
  } catch (...) {
    P_reportInterfaceFailure(function);
    return neutral;
  }
}

// The same for a function without a result.
template <class Body>
void P_guardVoid(const char* function, Body body) noexcept {
  try {
    body();
  } catch (...) {
    P_reportInterfaceFailure(function);
  }
}

// The body of an exported function: PI_GUARDED(neutral, expression) and
// PI_GUARDED_VOID(statements).  The function's own name goes into a report.
#define PI_GUARDED(neutral, ...) P_guard(__func__, neutral, [&]() { return __VA_ARGS__; })
#define PI_GUARDED_VOID(...) P_guardVoid(__func__, [&]() { __VA_ARGS__; })

// The handle a loop start answers when it failed: its id is in no store,
// so the end test reports it and answers 1, and the loop ends at once.
constexpr int PI_kFailedLoopId = -1;

#endif
