#ifndef SCAN_UNITJOB_H
#define SCAN_UNITJOB_H

#include <string>
#include <vector>

namespace kxdf_scan {

// One translation unit to scan: its compile command as the build runs it.
struct UnitJob {
  std::string source;                   // absolute path of the main file
  std::string directory;                // working directory of the command
  std::vector<std::string> arguments;   // the command, compiler first
};

// What the scanner needs beyond the command.
struct ScanSettings {
  std::vector<std::string> recordDirs;  // library folders whose declarations are recorded too
  std::string resourceDir;              // clang's builtin headers
  bool clangView = false;               // also describe the unit as clang holds it
};

// The outcome of scanning one unit.
struct UnitResult {
  bool ok = false;
  std::vector<std::string> lines;      // the record file, line by line
  std::vector<std::string> inputs;     // every file the unit read, absolute
  std::vector<std::string> viewLines;  // clang's own view, when asked for
  std::string diagnostics;             // clang's messages, ready to print
  std::string failure;                 // why there are no records, when not that the unit does not compile
};

// Parses one unit in this process and returns its records; never throws for
// bad code.  A crash of clang ends the process: see UnitProcess.h.
UnitResult scanUnit(const UnitJob& job, const ScanSettings& settings);

// Reads BUILD_DIR/compile_commands.json into units (the first command of a
// file wins).  Returns false with a message in error when it cannot.
bool loadCompileCommands(const std::string& buildDir, std::vector<UnitJob>& units, std::string& error);

}  // namespace kxdf_scan

#endif
