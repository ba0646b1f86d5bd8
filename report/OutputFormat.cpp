#include "report/OutputFormat.h"

#include <cerrno>

OutputFormat::OutputFormat(const U_String& outputDirectory) : m_outputDirectory(outputDirectory) {}

OutputFormat::~OutputFormat() = default;

void OutputFormat::write(const U_String& text) { stream() << text; }

// Output after a document is closed (the end comment) reaches no file.
std::ostream& OutputFormat::stream() {
  if (m_file && m_file->isOpen()) return m_file->stream();
  static std::ostream discard(nullptr);
  return discard;
}

void OutputFormat::openStream(const U_String& path) {
  m_file = std::make_unique<U_ReplacingFile>(path);
  if (!m_file->isOpen()) throw U_CannotWriteException(path, errno);
}

void OutputFormat::closeStream() {
  if (!m_file || !m_file->isOpen()) return;
  if (!m_file->commit()) throw U_CannotWriteException(m_file->target(), errno);
  m_written.insert(m_file->target());
}
