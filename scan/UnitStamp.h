#ifndef SCAN_UNITSTAMP_H
#define SCAN_UNITSTAMP_H

#include <string>
#include <vector>

#include "scan/UnitJob.h"

namespace kxdf_scan {

// A digest of everything besides file contents that decides a unit's
// records: its command, its folder and the scanner's own settings.
std::string commandKey(const UnitJob& job, const ScanSettings& settings);

// True when the stamp at stampPath was written for key and none of the files
// it lists changed size or modification time since.
bool stampIsCurrent(const std::string& stampPath, const std::string& key);

// Writes the stamp of a unit just scanned.  Returns false when it cannot.
bool writeStamp(const std::string& stampPath, const std::string& key, const std::vector<std::string>& inputs);

// Writes lines to path through a temporary file renamed into place, so the
// file is never seen half-written.  Returns an error text, empty on success.
std::string writeWhole(const std::string& path, const std::vector<std::string>& lines);

}  // namespace kxdf_scan

#endif
