// Fatal signals: the handler's two lines and the system-error status.
#include <signal.h>

#include <gtest/gtest.h>

#include "app/Signals.h"
#include "ChildRun.h"

TEST(Signals, EachFatalSignalIsNamedAndEndsWithStatus19) {
  const std::pair<int, const char*> caught[] = {
      {SIGUSR1, "SIGUSR1"}, {SIGHUP, "SIGHUP"}, {SIGINT, "SIGINT"}, {SIGQUIT, "SIGQUIT"}, {SIGABRT, "SIGABRT"},
      {SIGILL, "SIGILL"},   {SIGFPE, "SIGFPE"}, {SIGBUS, "SIGBUS"}, {SIGSEGV, "SIGSEGV"}, {SIGTERM, "SIGTERM"}};
  for (const auto& [sig, name] : caught) {
    ChildRun r = runInChild([sig = sig] {
      installHandlers(QL_fatalSignalHandler);
      ::raise(sig);
      return 0;  // not reached when the handler ends the process
    });
    EXPECT_EQ(r.termSignal, 0) << name;
    EXPECT_EQ(r.status, 19) << name;
    EXPECT_EQ(r.err, std::string("Caught signal: (") + name + ")\nPlease contact Halcyra.\n");
    EXPECT_EQ(r.out, "");
  }
  // A signal without a name.
  ChildRun r = runInChild([] {
    writeMsgForSignal(SIGPIPE);
    return 0;
  });
  EXPECT_EQ(r.err, "Caught signal: (Please contact Halcyra.\n");
}

namespace {
// Recurses until the stack runs out; the volatile bound and the frame's
// use after the call keep it a real, unbounded recursion.
volatile long gDepthLimit = 1L << 40;
long exhaustStack(long depth) {
  volatile char frame[512];
  frame[0] = static_cast<char>(depth);
  if (depth >= gDepthLimit) return frame[0];
  return exhaustStack(depth + 1) + frame[0];
}
}  // namespace

TEST(Signals, StackOverflowIsReportedFromTheAlternateStack) {
  ChildRun r = runInChild([] {
    installHandlers(QL_fatalSignalHandler);
    return static_cast<int>(exhaustStack(0));
  });
  EXPECT_EQ(r.termSignal, 0);
  EXPECT_EQ(r.status, 19);
  EXPECT_EQ(r.err, "Caught signal: (SIGSEGV)\nPlease contact Halcyra.\n");
}
