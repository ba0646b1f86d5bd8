// The main-source-file register and the quiet option's suppressed files.
#include <fnmatch.h>

#include <map>
#include <set>

#include "config/C_CmdArgs.h"
#include "config/C_ProductConfigs.h"
#include "util/U_FileStat.h"
#include "util/U_Location.h"

namespace {

std::set<U_Filename>& mainSourceFiles() {
  static std::set<U_Filename> files;
  return files;
}

// Last answers of C_isSuppressedFile, valid for the options they were
// computed with.
struct SuppressedCache {
  const C_Options* options = nullptr;
  std::map<U_Filename, bool> answers;
};

SuppressedCache& suppressedCache() {
  static SuppressedCache cache;
  return cache;
}

bool hasWildcard(const U_String& s) { return s.find_first_of("*?[") != U_String::npos; }

// An entry covers a file when it is the same file, a directory the file
// lies below, or a shell pattern (wildcards also match "/") matching the
// file's full path.
bool entryCovers(const U_String& entry, const U_String& file) {
  if (entry.empty()) return false;
  if (entry == file) return true;
  if (hasWildcard(entry)) return fnmatch(entry.c_str(), file.c_str(), 0) == 0;
  const U_String dir = entry.back() == '/' ? entry : entry + '/';
  return file.size() > dir.size() && file.compare(0, dir.size(), dir) == 0;
}

bool computeSuppressed(const C_CmdArgs& cmdArgs, const U_Filename& file) {
  if (C_isMainSourceFile(cmdArgs, file)) return false;
  for (const QL_Filename& entry : C_getArgQuiet(cmdArgs.getOptions()))
    if (entryCovers(entry.str(), file.str())) return true;
  return false;
}

}  // namespace

void C_addMainSourceFile(const U_Filename& file) {
  if (file.isSet()) mainSourceFiles().insert(file);
}

void C_clearMainSourceFileCache() {
  mainSourceFiles().clear();
  C_clearSuppressedFileCache();
}

void C_clearSuppressedFileCache() { suppressedCache() = SuppressedCache(); }

bool C_isMainSourceFile(const C_CmdArgs& cmdArgs, const U_Filename& file) {
  if (!file.isSet()) return false;
  if (mainSourceFiles().count(file)) return true;
  const U_String implicit = C_ProductConfigs::getImplicitFile(cmdArgs);
  return !implicit.empty() && file.str() == U_FileStat::getRealPath(implicit);
}

bool C_isMainSourceFile(const U_Filename& file) { return C_isMainSourceFile(C_CmdArgs::getGlobal(), file); }
bool C_isMainSourceFile(const QL_Filename& file) { return C_isMainSourceFile(file.getHandle()); }
bool C_isMainSourceFile(const U_Location& location) { return C_isMainSourceFile(location.getFilename()); }

bool C_isSuppressedFile(const C_CmdArgs& cmdArgs, const U_Filename& file) {
  if (!file.isSet()) return false;
  if (C_hasDebug(cmdArgs.getOptions(), "always-first")) return computeSuppressed(cmdArgs, file);
  SuppressedCache& cache = suppressedCache();
  if (cache.options != &cmdArgs.getOptions()) {
    cache.options = &cmdArgs.getOptions();
    cache.answers.clear();
  }
  auto found = cache.answers.find(file);
  if (found != cache.answers.end()) return found->second;
  const bool answer = computeSuppressed(cmdArgs, file);
  cache.answers.emplace(file, answer);
  return answer;
}

bool C_isSuppressedFile(const U_Filename& file) { return C_isSuppressedFile(C_CmdArgs::getGlobal(), file); }
bool C_isSuppressedFile(const QL_Filename& file) { return C_isSuppressedFile(file.getHandle()); }
bool C_isSuppressedFile(const C_CmdArgs& cmdArgs, const QL_Filename& file) {
  return C_isSuppressedFile(cmdArgs, file.getHandle());
}
bool C_isSuppressedFile(const U_Location& location) { return C_isSuppressedFile(location.getFilename()); }
bool C_isSuppressedFile(const C_CmdArgs& cmdArgs, const U_Location& location) {
  return C_isSuppressedFile(cmdArgs, location.getFilename());
}
