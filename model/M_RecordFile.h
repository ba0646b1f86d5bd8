#ifndef MODEL_M_RECORDFILE_H
#define MODEL_M_RECORDFILE_H

#include <cstdio>
#include <memory>

#include "intl/QL_String.h"
#include "util/ExtendedCharEncoding.h"
#include "util/U_String.h"

// The translating input buffer under the record iterator: streams a record
// file in large blocks and hands out one line at a time in the internal
// encoding.  Record files are large and almost entirely 7-bit text, so a
// line is copied once into the caller's string and only lines holding
// bytes that need it go through the encoding converter; the file is never
// held whole in memory.
class M_RecordFile {
 public:
  // Opens `file` (a name in the internal encoding) whose text is in
  // `encoding`; isOpen() tells whether that worked.
  M_RecordFile(const QL_String& file, ExtendedCharEncoding encoding);
  ~M_RecordFile();
  M_RecordFile(const M_RecordFile&) = delete;
  M_RecordFile& operator=(const M_RecordFile&) = delete;

  bool isOpen() const { return m_file != nullptr; }
  // The next line without its "\n" (a "\r" before it stays); false at the
  // end of the file or on a read error.
  bool getline(U_String& line);
  // Whether reading stopped on an error rather than at the end of the file
  // (a directory, for one).
  bool hasReadError() const { return m_readError; }

 private:
  bool refill();
  void translate(U_String& line);
  char* buffer() { return m_buffer.get(); }

  std::FILE* m_file = nullptr;
  ExtendedCharEncoding m_encoding;
  bool m_converts;
  // The block buffer, m_capacity bytes.  A run reads thousands of files
  // one after the other, so a closed file hands its buffer to the next one
  // instead of freeing it (fresh memory would be cleared by the system for
  // every file).
  std::unique_ptr<char[]> m_buffer;
  size_t m_capacity = 0;
  size_t m_begin = 0;  // first unread byte in m_buffer
  size_t m_end = 0;    // one past the last valid byte
  bool m_eof = false;
  bool m_readError = false;
};

#endif
