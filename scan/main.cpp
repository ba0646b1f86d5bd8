// kxdf.scan: writes the record files of the template usage report from a
// project's compile commands, using clang to parse every unit.
#include <cstdio>
#include <exception>
#include <string>

#include "scan/Driver.h"
#include "scan/Options.h"
#include "scan/UnitProcess.h"

#ifndef KXDF_SCAN_RESOURCE_DIR
#define KXDF_SCAN_RESOURCE_DIR ""
#endif

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == kxdf_scan::kUnitWorkerFlag) return kxdf_scan::runUnitWorker();
  kxdf_scan::Options options;
  std::string error;
  if (!kxdf_scan::parseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "kxdf.scan: %s\n%s", error.c_str(), kxdf_scan::usageText().c_str());
    return kxdf_scan::kBadInput;
  }
  if (options.help) {
    std::fputs(kxdf_scan::usageText().c_str(), stdout);
    return 0;
  }
  try {
    return kxdf_scan::runScanner(options, KXDF_SCAN_RESOURCE_DIR);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kxdf.scan: %s\n", e.what());
    return kxdf_scan::kBadInput;
  }
}
