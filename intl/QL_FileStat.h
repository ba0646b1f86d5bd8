#ifndef INTL_QL_FILESTAT_H
#define INTL_QL_FILESTAT_H

#include "intl/QL_String.h"

// The file-name utilities of U_FileStat on encoding-aware strings.  Names
// are handed to the file system in the file-name encoding.
struct QL_FileStat {
  static bool isAbsolute(const QL_String& name);
  static bool isEqualTo(const QL_String& a, const QL_String& b) { return a == b; }
  static QL_String getNormalisedFilename(const QL_String& name) { return name; }
  static QL_String getOSDependentFilename(const QL_String& name) { return name; }
  static bool exists(const QL_String& name);
  static bool canRead(const QL_String& name);
  static bool isDirectory(const QL_String& name);
  static bool isRegularFile(const QL_String& name);
  static QL_String getDirectory(const QL_String& name);
  static QL_String getFilename(const QL_String& name);
  static QL_String getBasename(const QL_String& name);
  static QL_String getExt(const QL_String& name);
  static QL_String remExt(const QL_String& name);
  static QL_String addExt(const QL_String& name, const QL_String& ext);
  static bool hasDirectory(const QL_String& name);
  static QL_String join(const QL_String& dir, const QL_String& name);
  static QL_String getCurrentDir();
  static QL_String getRealPath(const QL_String& name);

  // The name as the file system wants it (file-name encoding).
  static U_String toOS(const QL_String& name);
  static QL_String fromOS(const U_String& name);
};

#endif
