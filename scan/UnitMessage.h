#ifndef SCAN_UNITMESSAGE_H
#define SCAN_UNITMESSAGE_H

#include <string>

#include "scan/UnitJob.h"

namespace kxdf_scan {

// A unit's job and its result as bytes, for the process that scans one unit
// and its parent.  Every text goes as its length, a colon and its bytes, so
// any byte may appear in paths and records.
std::string encodeJob(const UnitJob& job, const ScanSettings& settings);
// Reads what encodeJob wrote; false when the bytes are cut off or garbled.
bool decodeJob(const std::string& bytes, UnitJob& job, ScanSettings& settings);

std::string encodeResult(const UnitResult& result);
// Reads what encodeResult wrote; false when the bytes are cut off or garbled.
bool decodeResult(const std::string& bytes, UnitResult& result);

}  // namespace kxdf_scan

#endif
