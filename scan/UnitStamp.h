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

// The stamp's file name for a record file's name: the name with ".stamp",
// or a digest of it when that would be longer than a file name may be.
std::string stampName(const std::string& recordName);

// Writes the stamp of a unit just scanned.  Returns an error text, "" on
// success.
std::string writeStamp(const std::string& stampPath, const std::string& key, const std::vector<std::string>& inputs);

}  // namespace kxdf_scan

#endif
