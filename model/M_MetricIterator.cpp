#include "model/M_MetricIterator.h"

#include "config/C_CmdArgs.h"
#include "model/M_formMetFilename.h"

bool M_MetricIterator::open(const QL_String& recordFile) {
  close();
  U_XPtr<M_RecordFile> input(new M_RecordFile(recordFile, C_CmdArgs::getLocalEncoding()));
  if (!input->isOpen()) return false;
  m_input = input;
  m_atEnd = false;
  getNextMetric();
  // A name that opens but cannot be read (a directory) counts as not open.
  if (hasReadError()) {
    close();
    return false;
  }
  return true;
}

bool M_MetricIterator::openForSourceFile(const QL_String& directory, const QL_String& source) {
  return open(M_formMetFilename(directory, source));
}

void M_MetricIterator::close() {
  m_input = U_XPtr<M_RecordFile>();
  m_atEnd = true;
}

// Moves to the next record line: one starting with '<' and holding a '>'.
// Everything else is not a record and is passed over without notice.
void M_MetricIterator::getNextMetric() {
  if (!m_input.isSet()) {
    m_atEnd = true;
    return;
  }
  U_String& line = m_current.lineText();
  while (m_input->getline(line)) {
    if (line.empty() || line[0] != '<') continue;
    const size_t close = line.find('>', 1);
    if (close == U_String::npos) continue;
    m_current.tagText().assign(line, 1, close - 1);
    return;
  }
  m_atEnd = true;
}
