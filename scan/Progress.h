#ifndef SCAN_PROGRESS_H
#define SCAN_PROGRESS_H

#include <chrono>
#include <cstddef>
#include <string>

namespace kxdf_scan {

// The progress line on standard error (units done/total, elapsed time and
// an estimate of the rest), drawn only when standard error is a terminal.
class Progress {
 public:
  Progress(size_t total, bool enabled);
  // One more unit is done; redraws the line.
  void unitDone();
  // Draws the line again, so that the elapsed time moves during long units.
  void redraw();
  // Removes the line so that other output starts on a clean line.
  void clear();
  // Ends the line for good.
  void finish();
  // The line's text for done units after elapsed seconds.
  static std::string text(size_t done, size_t total, double elapsed);

 private:
  size_t m_total;
  size_t m_done = 0;
  bool m_enabled;
  bool m_drawn = false;
  std::chrono::steady_clock::time_point m_start;
};

}  // namespace kxdf_scan

#endif
