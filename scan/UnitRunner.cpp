#include "scan/UnitRunner.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <map>
#include <thread>

#include "scan/Interrupt.h"
#include "scan/OutputFile.h"
#include "scan/UnitProcess.h"
#include "scan/UnitStamp.h"

namespace fs = std::filesystem;

namespace kxdf_scan {

namespace {

void complain(const std::string& text) { std::fprintf(stderr, "kxdf.scan: %s\n", text.c_str()); }

// A path as a message line can show it: line breaks as \n.
std::string shown(const std::string& path) {
  std::string text;
  for (char c : path) text += c == '\n' ? std::string("\\n") : c == '\r' ? std::string("\\r") : std::string(1, c);
  return text;
}

// Why the unit cannot be scanned before clang sees it: a named pipe would
// block and a device never ends; a folder that is not there is fatal to
// clang's tooling.  A missing main file is clang's to report.
std::string unitProblem(const UnitJob& unit) {
  struct stat st {};
  if (stat(unit.directory.c_str(), &st) != 0) return "its folder " + shown(unit.directory) + ": " + std::strerror(errno);
  if (!S_ISDIR(st.st_mode)) return "its folder " + shown(unit.directory) + " is not a directory";
  if (stat(unit.source.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return "not a regular file";
  return "";
}

// Why the records of files with these names cannot be written: the record
// format quotes paths without escapes and ends a record at a line break.
std::string unrecordableName(const std::string& source, const std::vector<std::string>& inputs) {
  if (breaksRecordLine(source)) return "its file name holds a double quote or a line break";
  for (const std::string& input : inputs)
    if (breaksRecordLine(input)) return "the name of " + shown(input) + " holds a double quote or a line break";
  return "";
}

}  // namespace

UnitRunner::UnitRunner(const std::vector<UnitJob>& units, const ScanSettings& settings, const std::string& outDir,
                       int timeoutSeconds)
    : m_units(units), m_settings(settings), m_outDir(outDir), m_timeout(timeoutSeconds),
      m_progress(units.size(), isatty(STDERR_FILENO) != 0) {}

std::vector<size_t> UnitRunner::run(int jobs) {
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

std::string UnitRunner::summary() const {
  std::string text = std::to_string(m_units.size()) + " units: " + std::to_string(m_scanned) + " scanned, " +
                     std::to_string(m_current) + " up to date, " + std::to_string(m_failures) + " failed";
  if (m_stopped > 0) text += ", " + std::to_string(m_stopped) + " not scanned (interrupted)";
  return text;
}

// NAME.met is the main file's name; a second unit of the same name fails.
void UnitRunner::nameRecordFiles() {
  std::map<std::string, size_t> taken;
  for (size_t i = 0; i < m_units.size(); ++i) {
    const std::string name = fs::path(m_units[i].source).filename().string();
    auto [it, fresh] = taken.emplace(name, i);
    if (fresh) {
      m_names[i] = name;
      continue;
    }
    complain(shown(m_units[i].source) + ": its record file " + shown(name) + ".met would replace that of " +
             shown(m_units[it->second].source) + "; not scanned");
    m_failed = true;
    ++m_failures;
  }
}

// Redraws the progress line every second until the units are done.
void UnitRunner::tick() {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_progress.redraw();
  while (!m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_finished; })) m_progress.redraw();
}

void UnitRunner::work() {
  for (size_t i = m_next++; i < m_units.size(); i = m_next++) {
    if (!m_names[i].empty() && !interrupted()) {
      scanOne(i);
      continue;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_names[i].empty()) ++m_stopped;
    m_progress.unitDone();
  }
}

std::string UnitRunner::path(size_t i, const char* ext) const { return m_outDir + "/" + m_names[i] + ext; }

std::string UnitRunner::stampPath(size_t i) const {
  return m_outDir + "/.kxdf-scan/" + stampName(m_names[i] + ".met");
}

bool UnitRunner::upToDate(size_t i, const std::string& key) {
  std::error_code ec;
  if (!fs::is_regular_file(path(i, ".met"), ec)) return false;
  if (m_settings.clangView && !fs::is_regular_file(path(i, ".view"), ec)) return false;
  return stampIsCurrent(stampPath(i), key);
}

// Writes the record file, the view (or removes an old one) and the stamp, the
// stamp last so that it never vouches for files that are not in place.
std::string UnitRunner::writeRecords(size_t i, const std::string& key, const UnitResult& result) {
  std::string error = writeWhole(path(i, ".met"), result.lines);
  std::error_code ec;
  if (error.empty() && m_settings.clangView) error = writeWhole(path(i, ".view"), result.viewLines);
  if (error.empty() && !m_settings.clangView) fs::remove(path(i, ".view"), ec);
  if (error.empty()) error = writeStamp(stampPath(i), key, result.inputs);
  return error;
}

// A unit that fails loses its old files, so that no stale records remain.
void UnitRunner::removeRecords(size_t i) {
  std::error_code ec;
  for (const std::string& file : {path(i, ".met"), path(i, ".view"), stampPath(i)}) fs::remove(file, ec);
}

void UnitRunner::scanOne(size_t i) {
  const UnitJob& unit = m_units[i];
  const std::string key = commandKey(unit, m_settings);
  if (upToDate(i, key)) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ok[i] = true;
    ++m_current;
    m_progress.unitDone();
    return;
  }
  UnitResult result;
  UnitEnd end = UnitEnd::Finished;
  std::string failure = unitProblem(unit);
  if (failure.empty()) {
    result = scanUnitInChild(unit, m_settings, m_timeout, interrupted(), end);
    failure = result.ok ? unrecordableName(unit.source, result.inputs) : result.failure;
  }
  if (end == UnitEnd::Stopped) {
    // Its old files stay as they were: the old stamp still describes them.
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_stopped;
    m_progress.unitDone();
    return;
  }
  const bool compiled = result.ok && failure.empty();
  const std::string error = compiled ? writeRecords(i, key, result) : "";
  if (!compiled || !error.empty()) removeRecords(i);
  std::lock_guard<std::mutex> lock(m_mutex);
  m_progress.clear();
  if (!result.diagnostics.empty()) std::fputs(result.diagnostics.c_str(), stderr);
  const std::string source = shown(unit.source);
  if (!error.empty()) complain(source + ": " + error + "; no record file written");
  else if (!failure.empty()) complain(source + ": " + failure + "; no record file written");
  else if (!result.ok) complain(source + ": does not compile; no record file written");
  finishUnit(i, compiled && error.empty());
}

void UnitRunner::finishUnit(size_t i, bool ok) {
  m_ok[i] = ok;
  if (!ok) m_failed = true;
  ++(ok ? m_scanned : m_failures);
  m_progress.unitDone();
}

}  // namespace kxdf_scan
