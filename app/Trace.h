#ifndef APP_TRACE_H
#define APP_TRACE_H

#include <fstream>
#include <memory>

#include "util/U_String.h"

// Progress trace of a run.  While switched on, every line is written to
// "template_usage.kxdf.generator.trace" in the working directory and
// flushed at once, so the file shows how far a run got even when it dies.
class Trace {
 public:
  static const char* fileName();

  Trace() = default;
  Trace(const Trace&) = delete;
  Trace& operator=(const Trace&) = delete;
  ~Trace();

  // Opens (and truncates) the trace file unless tracing is already on.
  // A file that cannot be opened loses the lines silently.
  void set_trace_on();
  // Closes the trace file; a failed close is not reported.
  void set_trace_off();
  void writeln(const U_String& text);
  bool isOn() const { return m_on; }

 private:
  bool m_on = false;
  std::unique_ptr<std::ofstream> m_out;
};

// The process-wide trace writer, created on first use.
Trace& do_trace();

#endif
