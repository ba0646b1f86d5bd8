#ifndef SCAN_UNITPROCESS_H
#define SCAN_UNITPROCESS_H

#include <atomic>

#include "scan/UnitJob.h"

namespace kxdf_scan {

// The hidden first argument that makes this program scan one unit: the job
// comes on standard input, the result goes to standard output.
constexpr const char* kUnitWorkerFlag = "--scan-one-unit";

// The body of that mode; returns the process's exit status.
int runUnitWorker();

// How a unit's process ended, besides its result.
enum class UnitEnd { Finished, TimedOut, Stopped };

// Scans one unit in a process of its own (this program with kUnitWorkerFlag),
// so that a crash or a hang of clang costs that unit and no more.  The
// process is killed after timeoutSeconds (0: never) or once stop is set.
UnitResult scanUnitInChild(const UnitJob& job, const ScanSettings& settings, int timeoutSeconds,
                           const std::atomic<bool>& stop, UnitEnd& end);

}  // namespace kxdf_scan

#endif
