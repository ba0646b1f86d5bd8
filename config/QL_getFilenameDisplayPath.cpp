#include "config/QL_getFilenameDisplayPath.h"

#include "config/C_CmdArgs.h"
#include "util/U_FileStat.h"

U_String QL_getFilenameDisplayPath(const QL_Filename& name) {
  return QL_getFilenameDisplayPath(C_CmdArgs::getGlobal().getOptions(), name);
}

// With expandfilenames off, a file below the working directory is shown
// relative to it, which keeps listings short.
U_String QL_getFilenameDisplayPath(const C_Options& options, const QL_Filename& name) {
  const U_String& path = name.str();
  if (C_getArgExpandFilenames(options)) return path;
  U_String cwd = U_FileStat::getCurrentDir();
  if (cwd.empty()) return path;
  if (cwd.back() != '/') cwd += '/';
  if (path.size() > cwd.size() && path.compare(0, cwd.size(), cwd) == 0) return path.substr(cwd.size());
  return path;
}
