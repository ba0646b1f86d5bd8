#include "app/P_Progress.h"

#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

// The line is redrawn at most this often.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

const char kClearLine[] = "\r\033[K";

// Set while a line is drawn; read by the fatal-signal handler.
volatile std::sig_atomic_t g_lineShown = 0;

std::string seconds(double value) { return std::to_string(std::lround(value)) + "s"; }

}  // namespace

P_Progress::P_Progress(std::ostream& stream, std::size_t total, bool enabled, double quietSeconds)
    : m_stream(stream), m_filter(*this), m_total(total), m_quietSeconds(quietSeconds), m_start(Clock::now()) {
  if (!enabled) return;
  m_target = stream.rdbuf();
  stream.rdbuf(&m_filter);
}

P_Progress::~P_Progress() {
  if (m_target == nullptr) return;
  clear();
  m_target->pubsync();
  m_stream.rdbuf(m_target);
}

std::string P_Progress::readingText(std::size_t done, std::size_t total, double elapsed) {
  std::string line = "[" + std::to_string(done) + "/" + std::to_string(total) + "] record files read, " +
                     seconds(elapsed) + " elapsed";
  if (done > 0 && done < total)
    line += ", about " + seconds(elapsed / static_cast<double>(done) * static_cast<double>(total - done)) + " left";
  return line;
}

bool P_Progress::lineShown() { return g_lineShown != 0; }

bool P_Progress::standardErrorWanted() {
  const char* term = std::getenv("TERM");
  return ::isatty(STDERR_FILENO) == 1 && term != nullptr && std::strcmp(term, "dumb") != 0;
}

void P_Progress::fileStarted(std::size_t number) {
  if (m_target == nullptr) return;
  draw(readingText(number - 1, m_total, elapsed()), false);
}

void P_Progress::writingReport() {
  if (m_target == nullptr) return;
  draw(readingText(m_total, m_total, elapsed()) + "; writing the report", true);
}

void P_Progress::draw(const std::string& text, bool force) {
  const Clock::time_point now = Clock::now();
  if (elapsed() < m_quietSeconds) return;  // a short run stays silent
  if (!force && m_drawn && now - m_lastDraw < kRedrawInterval) return;
  m_target->sputn(kClearLine, sizeof kClearLine - 1);
  m_target->sputn(text.data(), static_cast<std::streamsize>(text.size()));
  m_target->pubsync();
  m_drawn = true;
  g_lineShown = 1;
  m_lastDraw = now;
}

void P_Progress::clear() {
  if (!m_drawn) return;
  m_drawn = false;
  g_lineShown = 0;
  m_target->sputn(kClearLine, sizeof kClearLine - 1);
}

double P_Progress::elapsed() const { return std::chrono::duration<double>(Clock::now() - m_start).count(); }

P_Progress::ClearingBuffer::int_type P_Progress::ClearingBuffer::overflow(int_type c) {
  m_progress.clear();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  return m_progress.m_target->sputc(traits_type::to_char_type(c));
}

std::streamsize P_Progress::ClearingBuffer::xsputn(const char* text, std::streamsize count) {
  m_progress.clear();
  return m_progress.m_target->sputn(text, count);
}

int P_Progress::ClearingBuffer::sync() { return m_progress.m_target->pubsync(); }
