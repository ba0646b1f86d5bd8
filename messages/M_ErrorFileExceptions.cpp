#include "messages/M_ErrorFileExceptions.h"

#include <cstdio>
#include <cstring>

#include "messages/M_ErrFileFormat.h"

U_String M_hexText(int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%x", static_cast<unsigned>(value));
  return buf;
}

M_BadErrorFileVersion::M_BadErrorFileVersion(int found)
    : M_ErrorFileException("Error file has incorrect version: " + M_hexText(found) +
                           ". Expected: " + M_hexText(M_ErrFileFormat::kCurrent) + "\n"),
      m_found(found) {}

M_BadVersionForAppendException::M_BadVersionForAppendException(int found)
    : M_ErrorFileException(
          "Cannot append to error file with incorrect version.  Error file has version: " +
          M_hexText(found) + ". Expected: " + M_hexText(M_ErrFileFormat::kCurrent) + "\n"),
      m_found(found) {}

R_ReadingReadException::R_ReadingReadException(int err)
    : R_ReadingException("Problems reading binary file. errno (" + std::to_string(err) +
                         "): " + std::strerror(err)) {}

R_ReadingEOFException::R_ReadingEOFException(int err)
    : R_ReadingException("Problems reading binary file at eof. errno (" + std::to_string(err) +
                         "): " + std::strerror(err)) {}
