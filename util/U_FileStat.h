#ifndef UTIL_U_FILESTAT_H
#define UTIL_U_FILESTAT_H

#include "util/U_String.h"

// File-name utilities.  Names use '/' as the only directory separator.
struct U_FileStat {
  static bool isValidDirSep(char c) { return c == '/'; }
  static bool isAbsolute(const U_String& name) { return !name.empty() && name[0] == '/'; }
  static bool isEqualTo(const U_String& a, const U_String& b) { return a == b; }
  // Both are the identity on this platform.
  static U_String getNormalisedFilename(const U_String& name) { return name; }
  static U_String getOSDependentFilename(const U_String& name) { return name; }

  static bool exists(const U_String& name);
  static bool canRead(const U_String& name);
  static bool isDirectory(const U_String& name);
  static bool isRegularFile(const U_String& name);

  // "a/b/c.h" -> "a/b"; "c.h" -> ""; "/c.h" -> "/".
  static U_String getDirectory(const U_String& name);
  // Last component: "a/b/c.h" -> "c.h".
  static U_String getFilename(const U_String& name);
  // Last component without its extension: "a/b/c.tar.h" -> "c.tar".
  static U_String getBasename(const U_String& name);
  // Extension of the last component without the dot: "c.h" -> "h".
  static U_String getExt(const U_String& name);
  static U_String remExt(const U_String& name);
  static U_String addExt(const U_String& name, const U_String& ext);
  static bool hasDirectory(const U_String& name);
  static bool beginsWith(const U_String& name, const U_String& prefix);
  static bool isLessThan(const U_String& a, const U_String& b) { return a < b; }
  static U_String join(const U_String& dir, const U_String& name);
  static U_String joinDirectories(const U_String& dir, const U_String& sub) { return join(dir, sub); }
  static U_String getCurrentDir();
  // Absolute path with ".", ".." and repeated separators resolved (and
  // symbolic links, where the file exists).
  static U_String getRealPath(const U_String& name);
  // First directory of the colon-separated variable that holds `name`, joined
  // with it; empty when none does.
  static U_String searchEnvPaths(const char* variable, const U_String& name);
};

#endif
