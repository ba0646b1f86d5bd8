#include "scan/Driver.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <thread>

#include "scan/Interrupt.h"
#include "scan/OutputFile.h"
#include "scan/UnitJob.h"
#include "scan/UnitRunner.h"

namespace fs = std::filesystem;

namespace kxdf_scan {

namespace {

void complain(const std::string& text) { std::fprintf(stderr, "kxdf.scan: %s\n", text.c_str()); }

std::string normalised(const std::string& path) {
  return fs::absolute(fs::path(path)).lexically_normal().string();
}

// The units the options name; false after one message when there are none.
bool selectUnits(const Options& options, std::vector<UnitJob>& units) {
  if (options.buildDir.empty()) {
    const std::string cwd = fs::current_path().string();
    for (const std::string& source : options.sources) {
      std::error_code ec;
      if (!fs::is_regular_file(source, ec)) {
        complain("cannot read source file " + source);
        return false;
      }
      std::vector<std::string> args{"clang++"};
      args.insert(args.end(), options.compilerArgs.begin(), options.compilerArgs.end());
      args.push_back(normalised(source));
      units.push_back(UnitJob{normalised(source), cwd, args});
    }
    return true;
  }
  std::vector<UnitJob> all;
  std::string error;
  if (!loadCompileCommands(options.buildDir, all, error)) {
    complain(error);
    return false;
  }
  if (options.sources.empty()) {
    units = all;
    return true;
  }
  for (const std::string& source : options.sources) {
    const std::string wanted = normalised(source);
    bool found = false;
    for (const UnitJob& unit : all)
      if (unit.source == wanted) {
        units.push_back(unit);
        found = true;
        break;
      }
    if (!found) {
      complain("no compile command for " + source + " in " + options.buildDir + "/compile_commands.json");
      return false;
    }
  }
  return true;
}

// Makes the output directory, takes its lock and proves it writable; its
// folder of stamps must be a real folder, so that no stamp is written
// through a link.
bool prepareOutput(const std::string& outDir) {
  if (breaksRecordLine(outDir)) {
    complain("cannot use output directory " + outDir + ": its name holds a double quote or a line break");
    return false;
  }
  std::string error = prepareOutputDir(outDir, ".kxdf-scan");
  if (error.empty()) error = lockOutputDir(outDir + "/.kxdf-scan");
  if (error.empty()) error = writeWhole(outDir + "/.kxdf-scan/probe" + std::to_string(getpid()), {});
  if (!error.empty()) {
    complain("cannot write to output directory " + outDir + ": " + error);
    return false;
  }
  std::error_code ec;
  fs::remove(outDir + "/.kxdf-scan/probe" + std::to_string(getpid()), ec);
  removeTemporaries(outDir);
  removeTemporaries(outDir + "/.kxdf-scan");
  return true;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// The generator's argument file and file lists for the units with records.
bool writeGeneratorInput(const std::string& outDir, const std::vector<UnitJob>& units,
                         const std::vector<size_t>& good) {
  std::vector<std::string> files;
  for (size_t i : good) files.push_back(quoted(units[i].source));
  std::vector<std::string> settings{
      "* Written by kxdf.scan: run template_usage.kxdf.generator ktlpp -via " + outDir + "/settings.via -list " +
          outDir + "/files.lst",
      "-op " + quoted(outDir), "-po \"mxo::report_type=Template Usage Report\""};
  std::string error;
  const std::string cma = outDir + "/project.cma";
  if (good.size() > 1) {
    settings.insert(settings.begin() + 2, "-cmaf " + quoted(cma));
    std::vector<std::string> plain;
    for (size_t i : good) plain.push_back(units[i].source);
    error = writeWhole(cma, plain);
  } else {
    std::error_code ec;
    fs::remove(cma, ec);
  }
  if (error.empty()) error = writeWhole(outDir + "/files.lst", files);
  if (error.empty()) error = writeWhole(outDir + "/settings.via", settings);
  if (!error.empty()) complain(error);
  return error.empty();
}

}  // namespace

int runScanner(const Options& options, const std::string& resourceDir) {
  std::vector<UnitJob> units;
  if (!selectUnits(options, units)) return kBadInput;
  const std::string outDir = normalised(options.outDir);
  if (!prepareOutput(outDir)) return kBadInput;
  ScanSettings settings;
  for (const std::string& dir : options.recordDirs) settings.recordDirs.push_back(normalised(dir));
  settings.resourceDir = resourceDir;
  settings.clangView = options.clangView;
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const int jobs = static_cast<int>(std::min<size_t>(options.jobs > 0 ? options.jobs : cores, units.size()));
  catchInterrupts();
  UnitRunner runner(units, settings, outDir, options.timeout);
  const std::vector<size_t> good = runner.run(std::max(1, jobs));
  complain(runner.summary());
  if (interrupted()) {
    complain("interrupted: the record files written are complete; files.lst and settings.via were not updated");
    endByInterrupt();
  }
  if (!writeGeneratorInput(outDir, units, good)) return kBadInput;
  return runner.anyFailed() ? kUnitFailed : kAllScanned;
}

}  // namespace kxdf_scan
