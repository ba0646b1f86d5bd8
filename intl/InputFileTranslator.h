#ifndef INTL_INPUTFILETRANSLATOR_H
#define INTL_INPUTFILETRANSLATOR_H

#include <cstdio>

#include "intl/QL_String.h"

// Opens a text file in a given encoding and delivers its text converted to
// the internal encoding, by line or by character.  The file is read whole
// when it is opened; it is converted one line at a time as it is read, so
// plain 7-bit lines cost no conversion.
class InputFileTranslator {
 public:
  // `temporaryDirectory` is accepted for callers that name one; the text is
  // converted in memory, so no temporary file is written.
  InputFileTranslator(const QL_String& file, ExtendedCharEncoding encoding,
                      const QL_String& temporaryDirectory = QL_String());

  InputFileTranslator(const InputFileTranslator&) = delete;
  InputFileTranslator& operator=(const InputFileTranslator&) = delete;

  bool isOpen() const { return m_open; }
  const QL_String& getFilename() const { return m_file; }
  ExtendedCharEncoding getEncoding() const { return m_encoding; }

  // The next line without its terminator ("\n"; a "\r" before it is kept),
  // in the internal encoding; false at the end of the file.
  bool getline(U_String& line);
  // The next character, or EOF.
  int getChar();
  // The next character without taking it, or EOF.
  int peekChar();
  bool atEnd();

 private:
  void fillLine();

  QL_String m_file;
  ExtendedCharEncoding m_encoding;
  bool m_open = false;
  U_String m_raw;     // the file's bytes
  size_t m_rawPos = 0;
  U_String m_line;    // the current converted line, with its newline
  size_t m_linePos = 0;
};

#endif
