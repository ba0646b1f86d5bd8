#include "app/Signals.h"

#include <signal.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

#include "app/P_Progress.h"

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

// The stack the handler runs on.  A stack overflow raises SIGSEGV with no
// room left on the ordinary stack, so the handler needs one of its own to
// report it.  Set up once; it stays for the life of the process.
void installAlternateStack() {
  static bool installed = false;
  if (installed) return;
  constexpr std::size_t kSize = 64 * 1024;
  static char* memory = new char[kSize];
  stack_t stack{};
  stack.ss_sp = memory;
  stack.ss_size = kSize;
  stack.ss_flags = 0;
  installed = ::sigaltstack(&stack, nullptr) == 0;
}

}  // namespace

void installHandlers(void (*handler)(int)) {
  installAlternateStack();
  struct sigaction action {};
  action.sa_handler = handler;
  ::sigemptyset(&action.sa_mask);
  // As signal() does here (handler kept, calls restarted), plus the
  // alternate stack.
  action.sa_flags = SA_ONSTACK | SA_RESTART;
  for (const SignalName& s : kSignals) ::sigaction(s.sig, &action, nullptr);
}

void writeMsgForSignal(int sig) {
  if (P_Progress::lineShown()) writeRaw("\r\033[K");
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
