#include "scan/Interrupt.h"

#include <signal.h>
#include <unistd.h>

#include <cstdlib>

namespace kxdf_scan {

namespace {

std::atomic<bool> g_interrupted{false};
volatile sig_atomic_t g_signal = 0;

extern "C" void onInterrupt(int signal) {
  g_signal = signal;
  g_interrupted = true;
}

}  // namespace

void catchInterrupts() {
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGPIPE, &ignore, nullptr);
}

const std::atomic<bool>& interrupted() { return g_interrupted; }

int interruptSignal() { return g_signal; }

void endByInterrupt() {
  const int signal = g_signal ? g_signal : SIGINT;
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
  raise(signal);
  std::_Exit(128 + signal);
}

}  // namespace kxdf_scan
