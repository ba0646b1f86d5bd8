#include "app/Signals.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace {

struct SignalName {
  int sig;
  const char* name;
};

// Every signal installHandlers catches, in installation order.
const SignalName kSignals[] = {
    {SIGUSR1, "SIGUSR1"}, {SIGHUP, "SIGHUP"}, {SIGINT, "SIGINT"}, {SIGQUIT, "SIGQUIT"},
    {SIGABRT, "SIGABRT"}, {SIGILL, "SIGILL"}, {SIGFPE, "SIGFPE"}, {SIGBUS, "SIGBUS"},
    {SIGSEGV, "SIGSEGV"}, {SIGTERM, "SIGTERM"},
};

// The status a run killed by a fatal signal ends with (the system error).
const int kSignalExitStatus = 19;

// strlen and write are both async-signal-safe.  Short writes are not
// retried beyond the loop: there is nothing better to do in a handler.
void writeRaw(const char* text) {
  size_t left = std::strlen(text);
  while (left > 0) {
    ssize_t n = ::write(2, text, left);
    if (n <= 0) return;
    text += n;
    left -= static_cast<size_t>(n);
  }
}

}  // namespace

void installHandlers(void (*handler)(int)) {
  for (const SignalName& s : kSignals) ::signal(s.sig, handler);
}

void writeMsgForSignal(int sig) {
  writeRaw("Caught signal: (");
  for (const SignalName& s : kSignals) {
    if (s.sig == sig) {
      writeRaw(s.name);
      writeRaw(")\n");
      break;
    }
  }
  writeRaw("Please contact Halcyra.\n");
}

void QL_fatalSignalHandler(int sig) {
  writeMsgForSignal(sig);
  ::_exit(kSignalExitStatus);
}
