#ifndef SCAN_INTERRUPT_H
#define SCAN_INTERRUPT_H

#include <atomic>

namespace kxdf_scan {

// Catches SIGINT, SIGTERM and SIGHUP so that a run stops between writes:
// no unit starts after one, units being scanned are stopped, and the files
// already renamed into place stay complete.  Also ignores SIGPIPE, so that a
// unit's process that ended early is an error, not the end of the run.
void catchInterrupts();

// Set once one of those signals came.
const std::atomic<bool>& interrupted();

// The signal that came, 0 for none.
int interruptSignal();

// Ends the process the way the signal would have, once the run said what it
// left behind.
[[noreturn]] void endByInterrupt();

}  // namespace kxdf_scan

#endif
