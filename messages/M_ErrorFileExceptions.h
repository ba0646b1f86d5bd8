#ifndef MESSAGES_M_ERRORFILEEXCEPTIONS_H
#define MESSAGES_M_ERRORFILEEXCEPTIONS_H

#include "util/U_Exception.h"
#include "util/U_String.h"

// Problems with an error file: its format, its records, opening it.
class M_ErrorFileException : public U_UserException {
 public:
  explicit M_ErrorFileException(U_String text) : U_UserException(std::move(text)) {}
};

class M_BadIntReadException : public M_ErrorFileException {
 public:
  M_BadIntReadException() : M_ErrorFileException("problems reading an int from error file") {}
};
class M_BadTextReadException : public M_ErrorFileException {
 public:
  M_BadTextReadException() : M_ErrorFileException("problems reading a text string from error file") {}
};
class M_BadIntWriteException : public M_ErrorFileException {
 public:
  M_BadIntWriteException() : M_ErrorFileException("problems writing an int from error file") {}
};
class M_BadTextWriteException : public M_ErrorFileException {
 public:
  M_BadTextWriteException() : M_ErrorFileException("problems writing a text string from error file") {}
};
class M_BadInfoTypeException : public M_ErrorFileException {
 public:
  M_BadInfoTypeException() : M_ErrorFileException("unknown error record type in error file") {}
};
class M_HasListParameterException : public M_ErrorFileException {
 public:
  M_HasListParameterException() : M_ErrorFileException("error file has string list parameter") {}
};
class M_EOFException : public M_ErrorFileException {
 public:
  M_EOFException() : M_ErrorFileException("M_EOFException") {}
};
class M_BadFileOpenException : public M_ErrorFileException {
 public:
  explicit M_BadFileOpenException(const U_String& name)
      : M_ErrorFileException("Cannot write error file '" + name + "'."), m_name(name) {}
  const U_String& getFilename() const { return m_name; }

 private:
  U_String m_name;
};
class M_BadErrorFileVersion : public M_ErrorFileException {
 public:
  explicit M_BadErrorFileVersion(int found);
  int getFound() const { return m_found; }

 private:
  int m_found;
};
class M_BadVersionForAppendException : public M_ErrorFileException {
 public:
  explicit M_BadVersionForAppendException(int found);
  int getFound() const { return m_found; }

 private:
  int m_found;
};

// Problems of the binary reader and writer underneath.
class R_ReadingException : public U_UserException {
 public:
  explicit R_ReadingException(U_String text) : U_UserException(std::move(text)) {}
};
class R_ReadingReadException : public R_ReadingException {
 public:
  explicit R_ReadingReadException(int err);
};
class R_ReadingEOFException : public R_ReadingException {
 public:
  explicit R_ReadingEOFException(int err);
};
class R_WritingException : public U_UserException {
 public:
  R_WritingException() : U_UserException("Problems writing binary file.") {}
};

// The id as the error texts show it: lower-case hexadecimal, no prefix.
U_String M_hexText(int value);

#endif
