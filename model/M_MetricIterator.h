#ifndef MODEL_M_METRICITERATOR_H
#define MODEL_M_METRICITERATOR_H

#include "intl/QL_String.h"
#include "model/M_RecordFile.h"
#include "util/ExtendedCharEncoding.h"
#include "util/U_XPtr.h"

// The record the iterator is positioned on: its tag (the text between the
// leading '<' and the first '>') and the whole line, tag included.
class M_MetricLine {
 public:
  void setTag(const QL_String& tag) { m_tag = tag.get(); }
  void setLine(const QL_String& line) { m_line = line.get(); }
  QL_String getTag() const { return QL_String::create(m_tag, eceEUC); }
  QL_String getLine() const { return QL_String::create(m_line, eceEUC); }

  // The same texts in the internal encoding, without a copy; the reader's
  // loop works on these.
  const U_String& tagText() const { return m_tag; }
  const U_String& lineText() const { return m_line; }
  U_String& tagText() { return m_tag; }
  U_String& lineText() { return m_line; }

 private:
  U_String m_tag;
  U_String m_line;
};

// Walks the record lines of one record file.  Lines that are empty, do not
// start with '<' or hold no '>' are not records and are passed over.  A
// default-constructed iterator is at end; so is one whose file did not open.
class M_MetricIterator {
 public:
  M_MetricIterator() = default;

  // Opens the file and positions on its first record; false when the file
  // cannot be opened or its first read fails (the iterator is then at end).
  bool open(const QL_String& recordFile);
  bool openForSourceFile(const QL_String& directory, const QL_String& source);
  void close();

  bool isOpen() const { return m_input.isSet(); }
  bool atEnd() const { return m_atEnd; }
  // Whether the iterator reached its end through a read error.
  bool hasReadError() const { return m_input.isSet() && m_input->hasReadError(); }
  const M_MetricLine& operator*() const { return m_current; }
  const M_MetricLine* operator->() const { return &m_current; }
  M_MetricIterator& operator++() {
    getNextMetric();
    return *this;
  }
  // Equal when they are the same object or both at end.
  bool operator==(const M_MetricIterator& other) const {
    return this == &other || (m_atEnd && other.m_atEnd);
  }
  bool operator!=(const M_MetricIterator& other) const { return !(*this == other); }

 private:
  void getNextMetric();

  U_XPtr<M_RecordFile> m_input;
  M_MetricLine m_current;
  bool m_atEnd = true;
};

#endif
