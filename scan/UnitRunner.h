#ifndef SCAN_UNITRUNNER_H
#define SCAN_UNITRUNNER_H

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "scan/Progress.h"
#include "scan/UnitJob.h"

namespace kxdf_scan {

// Scans units on a few threads, each unit in a process of its own, and
// writes their record files, views and stamps.
class UnitRunner {
 public:
  UnitRunner(const std::vector<UnitJob>& units, const ScanSettings& settings, const std::string& outDir,
             int timeoutSeconds);

  // Runs every unit; returns the indices of the units that have records.
  // After an interrupt no unit starts and the running ones are stopped.
  std::vector<size_t> run(int jobs);
  bool anyFailed() const { return m_failed; }
  // One line saying what the run did.
  std::string summary() const;

 private:
  void nameRecordFiles();
  void tick();
  void work();
  void scanOne(size_t i);
  bool upToDate(size_t i, const std::string& key);
  std::string writeRecords(size_t i, const std::string& key, const UnitResult& result);
  void removeRecords(size_t i);
  void finishUnit(size_t i, bool ok);
  std::string path(size_t i, const char* ext) const;
  std::string stampPath(size_t i) const;

  const std::vector<UnitJob>& m_units;
  const ScanSettings& m_settings;
  std::string m_outDir;
  int m_timeout;
  Progress m_progress;
  std::vector<std::string> m_names;  // NAME of NAME.met, empty for a unit not scanned
  std::vector<bool> m_ok;
  std::atomic<size_t> m_next{0};
  std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_finished = false;
  bool m_failed = false;
  size_t m_scanned = 0, m_current = 0, m_failures = 0, m_stopped = 0;
};

}  // namespace kxdf_scan

#endif
