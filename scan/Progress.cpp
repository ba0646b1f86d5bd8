#include "scan/Progress.h"

#include <cmath>
#include <cstdio>

namespace kxdf_scan {

Progress::Progress(size_t total, bool enabled)
    : m_total(total), m_enabled(enabled), m_start(std::chrono::steady_clock::now()) {}

std::string Progress::text(size_t done, size_t total, double elapsed) {
  std::string line = "[" + std::to_string(done) + "/" + std::to_string(total) + "] " +
                     std::to_string(static_cast<long>(std::lround(elapsed))) + "s elapsed";
  if (done > 0 && done < total) {
    const double left = elapsed / static_cast<double>(done) * static_cast<double>(total - done);
    line += ", about " + std::to_string(static_cast<long>(std::lround(left))) + "s left";
  }
  return line;
}

void Progress::unitDone() {
  ++m_done;
  redraw();
}

void Progress::redraw() {
  if (!m_enabled) return;
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
  std::fprintf(stderr, "\r\033[K%s", text(m_done, m_total, elapsed).c_str());
  std::fflush(stderr);
  m_drawn = true;
}

void Progress::clear() {
  if (!m_drawn) return;
  std::fprintf(stderr, "\r\033[K");
  m_drawn = false;
}

void Progress::finish() {
  if (m_drawn) std::fprintf(stderr, "\n");
  m_drawn = false;
}

}  // namespace kxdf_scan
