#include "scan/Driver.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "scan/Progress.h"
#include "scan/UnitJob.h"
#include "scan/UnitStamp.h"

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

// Makes the output directory and proves it writable.
bool prepareOutput(const std::string& outDir) {
  std::error_code ec;
  fs::create_directories(outDir + "/.kxdf-scan", ec);
  const std::string probe = outDir + "/.kxdf-scan/probe" + std::to_string(getpid());
  if (ec || !writeWhole(probe, {}).empty()) {
    complain("cannot write to output directory " + outDir + (ec ? ": " + ec.message() : ""));
    return false;
  }
  fs::remove(probe, ec);
  return true;
}

// Scans units on a few threads and files the results.
class UnitRunner {
 public:
  UnitRunner(const std::vector<UnitJob>& units, const ScanSettings& settings, const std::string& outDir)
      : m_units(units), m_settings(settings), m_outDir(outDir),
        m_progress(units.size(), isatty(STDERR_FILENO) != 0) {}

  // Runs every unit; returns the indices of the units that have records.
  std::vector<size_t> run(int jobs) {
    m_names.assign(m_units.size(), "");
    m_ok.assign(m_units.size(), false);
    nameRecordFiles();
    std::vector<std::thread> threads;
    for (int i = 0; i < jobs; ++i) threads.emplace_back([this] { work(); });
    std::thread ticker([this] { tick(); });
    for (std::thread& thread : threads) thread.join();
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_finished = true;
    }
    m_wake.notify_all();
    ticker.join();
    m_progress.finish();
    std::vector<size_t> good;
    for (size_t i = 0; i < m_units.size(); ++i)
      if (m_ok[i]) good.push_back(i);
    return good;
  }
  bool anyFailed() const { return m_failed; }
  // One line saying what the run did.
  std::string summary() const {
    return std::to_string(m_units.size()) + " units: " + std::to_string(m_scanned) + " scanned, " +
           std::to_string(m_current) + " up to date, " + std::to_string(m_failures) + " failed";
  }

 private:
  // NAME.met is the main file's name; a second unit of the same name fails.
  void nameRecordFiles() {
    std::map<std::string, size_t> taken;
    for (size_t i = 0; i < m_units.size(); ++i) {
      const std::string name = fs::path(m_units[i].source).filename().string() + ".met";
      auto [it, fresh] = taken.emplace(name, i);
      if (fresh) m_names[i] = name;
      else {
        complain(m_units[i].source + ": its record file " + name + " would replace that of " +
                 m_units[it->second].source + "; not scanned");
        m_failed = true;
        ++m_failures;
      }
    }
  }

  // Redraws the progress line every second until the units are done.
  void tick() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_progress.redraw();
    while (!m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_finished; })) m_progress.redraw();
  }

  void work() {
    for (size_t i = m_next++; i < m_units.size(); i = m_next++) {
      if (m_names[i].empty()) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_progress.unitDone();
        continue;
      }
      scanOne(i);
    }
  }

  void scanOne(size_t i) {
    const UnitJob& unit = m_units[i];
    const std::string met = m_outDir + "/" + m_names[i];
    const std::string stamp = m_outDir + "/.kxdf-scan/" + m_names[i] + ".stamp";
    const std::string key = commandKey(unit, m_settings);
    std::error_code ec;
    if (fs::exists(met, ec) && stampIsCurrent(stamp, key)) {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_ok[i] = true;
      ++m_current;
      m_progress.unitDone();
      return;
    }
    UnitResult result = scanUnit(unit, m_settings);
    std::string error;
    if (result.ok) {
      error = writeWhole(met, result.lines);
      if (error.empty() && m_settings.clangView)
        error = writeWhole(m_outDir + "/" + m_names[i].substr(0, m_names[i].size() - 4) + ".view", result.viewLines);
      if (error.empty() && !writeStamp(stamp, key, result.inputs)) error = "cannot write " + stamp;
    } else {
      fs::remove(met, ec);
      fs::remove(stamp, ec);
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_progress.clear();
    if (!result.diagnostics.empty()) std::fputs(result.diagnostics.c_str(), stderr);
    if (!result.ok) complain(unit.source + ": does not compile; no record file written");
    if (!error.empty()) complain(error);
    m_ok[i] = result.ok && error.empty();
    if (!m_ok[i]) m_failed = true;
    ++(m_ok[i] ? m_scanned : m_failures);
    m_progress.unitDone();
  }

  const std::vector<UnitJob>& m_units;
  const ScanSettings& m_settings;
  std::string m_outDir;
  Progress m_progress;
  std::vector<std::string> m_names;
  std::vector<bool> m_ok;
  std::atomic<size_t> m_next{0};
  std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_finished = false;
  bool m_failed = false;
  size_t m_scanned = 0, m_current = 0, m_failures = 0;
};

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
  UnitRunner runner(units, settings, outDir);
  const std::vector<size_t> good = runner.run(std::max(1, jobs));
  complain(runner.summary());
  if (!writeGeneratorInput(outDir, units, good)) return kBadInput;
  return runner.anyFailed() ? kUnitFailed : kAllScanned;
}

}  // namespace kxdf_scan
