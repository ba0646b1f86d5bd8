#include "report/OutputFormat.h"

OutputFormat::OutputFormat(const U_String& outputDirectory) : m_outputDirectory(outputDirectory) {}

OutputFormat::~OutputFormat() = default;

void OutputFormat::write(const U_String& text) { stream() << text; }

std::ostream& OutputFormat::stream() {
  if (m_stream) return *m_stream;
  static std::ostream discard(nullptr);
  return discard;
}

void OutputFormat::openStream(const U_String& path) {
  m_stream = std::make_unique<std::ofstream>(path, std::ios::out | std::ios::trunc | std::ios::binary);
}

void OutputFormat::closeStream() {
  if (m_stream) m_stream->close();
}
