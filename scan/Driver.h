#ifndef SCAN_DRIVER_H
#define SCAN_DRIVER_H

#include <string>

#include "scan/Options.h"

namespace kxdf_scan {

// Exit statuses of the scanner.
enum ExitStatus { kAllScanned = 0, kUnitFailed = 1, kBadInput = 2 };

// Scans the units the options name into their output directory and writes
// the generator's argument file and file lists beside the record files.
int runScanner(const Options& options, const std::string& resourceDir);

}  // namespace kxdf_scan

#endif
