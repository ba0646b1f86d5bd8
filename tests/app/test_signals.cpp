// Fatal signals: the handler's two lines and the system-error status.
#include <signal.h>

#include <gtest/gtest.h>

#include "ChildRun.h"
#include "app/Signals.h"

namespace {

struct Expected {
  int sig;
  const char* name;
};

const Expected kCaught[] = {
    {SIGUSR1, "SIGUSR1"}, {SIGHUP, "SIGHUP"}, {SIGINT, "SIGINT"}, {SIGQUIT, "SIGQUIT"},
    {SIGABRT, "SIGABRT"}, {SIGILL, "SIGILL"}, {SIGFPE, "SIGFPE"}, {SIGBUS, "SIGBUS"},
    {SIGSEGV, "SIGSEGV"}, {SIGTERM, "SIGTERM"},
};

}  // namespace

TEST(Signals, EachFatalSignalIsNamedAndEndsWithStatus19) {
  for (const Expected& e : kCaught) {
    ChildRun r = runInChild([&e] {
      installHandlers(QL_fatalSignalHandler);
      ::raise(e.sig);
      return 0;  // not reached when the handler ends the process
    });
    EXPECT_EQ(r.termSignal, 0) << e.name;
    EXPECT_EQ(r.status, 19) << e.name;
    EXPECT_EQ(r.err, std::string("Caught signal: (") + e.name + ")\nPlease contact Halcyra.\n");
    EXPECT_EQ(r.out, "");
  }
}

TEST(Signals, UnknownSignalGetsNoName) {
  ChildRun r = runInChild([] {
    writeMsgForSignal(SIGPIPE);
    writeMsgForSignal(SIGINT);
    return 0;
  });
  EXPECT_EQ(r.err,
            "Caught signal: (Please contact Halcyra.\n"
            "Caught signal: (SIGINT)\nPlease contact Halcyra.\n");
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
