#ifndef SCAN_OPTIONS_H
#define SCAN_OPTIONS_H

#include <string>
#include <vector>

namespace kxdf_scan {

// The scanner's command line.
struct Options {
  std::string buildDir;                   // -p: folder holding compile_commands.json
  std::string outDir;                     // -o: where the record files go
  int jobs = 0;                           // -j: units scanned at once, 0 for one per core
  int timeout = 600;                      // --timeout: seconds a unit may take, 0 for no limit
  std::vector<std::string> recordDirs;    // --record: library folders to record as well
  std::vector<std::string> sources;       // units named on the command line
  std::vector<std::string> compilerArgs;  // after `--`: the command for named units
  bool dashDash = false;                  // `--` was given
  bool clangView = false;                 // --clang-view: write NAME.view beside each record file
  bool help = false;
};

// Reads argv into options; on a usage error returns false with the reason.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);

// The text of --help.
std::string usageText();

}  // namespace kxdf_scan

#endif
