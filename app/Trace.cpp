#include "app/Trace.h"

const char* Trace::fileName() { return "template_usage.kxdf.generator.trace"; }

Trace::~Trace() { set_trace_off(); }

void Trace::set_trace_on() {
  if (m_on) return;
  // A fresh stream each time, so switching on again starts a new file.
  m_out = std::make_unique<std::ofstream>(fileName(), std::ios::out | std::ios::trunc);
  m_on = true;
}

void Trace::set_trace_off() {
  if (!m_on) return;
  if (m_out) m_out->close();
  m_out.reset();
  m_on = false;
}

void Trace::writeln(const U_String& text) {
  if (!m_on || !m_out || !m_out->is_open()) return;
  *m_out << text << '\n';
  m_out->flush();
}

Trace& do_trace() {
  static Trace trace;
  return trace;
}
