#ifndef APP_P_PROGRESS_H
#define APP_P_PROGRESS_H

#include <chrono>
#include <cstddef>
#include <ostream>
#include <streambuf>
#include <string>

// The progress line of a long run on a terminal: files read so far of how
// many, the time so far and an estimate of the rest, then the report being
// written.  A run is silent otherwise, so the line is drawn only when
// standard error is a terminal and only once a run has taken a second; it
// is removed at the end.  While it is shown, anything else written to the
// stream first clears it, so that no message is printed behind it.
class P_Progress {
 public:
  // Draws on `stream` when `enabled`, for a run of `total` files, once
  // `quietSeconds` have passed.
  P_Progress(std::ostream& stream, std::size_t total, bool enabled, double quietSeconds = 1.0);
  // Removes the line and gives the stream its own buffer back.
  ~P_Progress();
  P_Progress(const P_Progress&) = delete;
  P_Progress& operator=(const P_Progress&) = delete;

  // File `number` (counted from 1) is about to be read.
  void fileStarted(std::size_t number);
  // Every file was read; the report is being written.
  void writingReport();

  // The line's text while reading, after `elapsed` seconds.
  static std::string readingText(std::size_t done, std::size_t total, double elapsed);
  // Whether standard error is a terminal that can take the line.
  static bool standardErrorWanted();
  // Whether a line is on standard error now; safe to ask in a signal
  // handler, which then starts its message on a clean line.
  static bool lineShown();

 private:
  // Passes everything on to the stream's own buffer, removing the line first.
  class ClearingBuffer : public std::streambuf {
   public:
    explicit ClearingBuffer(P_Progress& progress) : m_progress(progress) {}

   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

   private:
    P_Progress& m_progress;
  };

  void draw(const std::string& text, bool force);
  void clear();
  double elapsed() const;

  std::ostream& m_stream;
  std::streambuf* m_target = nullptr;  // the stream's own buffer; null when not drawing
  ClearingBuffer m_filter;
  std::size_t m_total;
  double m_quietSeconds;
  bool m_drawn = false;
  std::chrono::steady_clock::time_point m_start;
  std::chrono::steady_clock::time_point m_lastDraw;
};

#endif
