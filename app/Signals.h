#ifndef APP_SIGNALS_H
#define APP_SIGNALS_H

// Installs handler for the fatal and termination signals, in this order:
// SIGUSR1, SIGHUP, SIGINT, SIGQUIT, SIGABRT, SIGILL, SIGFPE, SIGBUS,
// SIGSEGV, SIGTERM.
void installHandlers(void (*handler)(int));

// Writes "Caught signal: (NAME)" and the support line to file descriptor 2.
// Uses write() only, so it may run inside a signal handler.
void writeMsgForSignal(int sig);

// The handler QL_Driver installs: reports the signal and ends the process
// at once with the system-error status, without any clean-up.
void QL_fatalSignalHandler(int sig);

#endif
