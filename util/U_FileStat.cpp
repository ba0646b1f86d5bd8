#include "util/U_FileStat.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

size_t lastSep(const U_String& name) { return name.find_last_of('/'); }

// Resolves ".", ".." and empty components of an absolute path textually.
U_String collapse(const U_String& path) {
  std::vector<U_String> parts;
  size_t pos = 0;
  while (pos <= path.size()) {
    size_t next = path.find('/', pos);
    if (next == U_String::npos) next = path.size();
    U_String part = path.substr(pos, next - pos);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    pos = next + 1;
  }
  U_String out;
  for (const U_String& p : parts) out += "/" + p;
  return out.empty() ? U_String("/") : out;
}

}  // namespace

bool U_FileStat::exists(const U_String& name) { return access(name.c_str(), F_OK) == 0; }

bool U_FileStat::canRead(const U_String& name) { return access(name.c_str(), R_OK) == 0; }

bool U_FileStat::isDirectory(const U_String& name) {
  struct stat st;
  return stat(name.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool U_FileStat::isRegularFile(const U_String& name) {
  struct stat st;
  return stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

U_String U_FileStat::getDirectory(const U_String& name) {
  size_t sep = lastSep(name);
  if (sep == U_String::npos) return U_String();
  if (sep == 0) return "/";
  return name.substr(0, sep);
}

U_String U_FileStat::getFilename(const U_String& name) {
  size_t sep = lastSep(name);
  return sep == U_String::npos ? name : name.substr(sep + 1);
}

U_String U_FileStat::getBasename(const U_String& name) { return remExt(getFilename(name)); }

U_String U_FileStat::getExt(const U_String& name) {
  U_String file = getFilename(name);
  size_t dot = file.find_last_of('.');
  return dot == U_String::npos ? U_String() : file.substr(dot + 1);
}

U_String U_FileStat::remExt(const U_String& name) {
  size_t sep = lastSep(name);
  size_t dot = name.find_last_of('.');
  if (dot == U_String::npos || (sep != U_String::npos && dot < sep)) return name;
  return name.substr(0, dot);
}

// No dot of its own when the extension brings one or the name ends in one.
U_String U_FileStat::addExt(const U_String& name, const U_String& ext) {
  if (ext.empty() || ext[0] == '.' || (!name.empty() && name.back() == '.')) return name + ext;
  return name + "." + ext;
}

bool U_FileStat::hasDirectory(const U_String& name) { return lastSep(name) != U_String::npos; }

bool U_FileStat::beginsWith(const U_String& name, const U_String& prefix) {
  return name.compare(0, prefix.size(), prefix) == 0;
}

U_String U_FileStat::join(const U_String& dir, const U_String& name) {
  if (dir.empty()) return name;
  if (name.empty()) return dir;
  if (isAbsolute(name)) return name;
  if (isValidDirSep(dir.back())) return dir + name;
  return dir + "/" + name;
}

U_String U_FileStat::getCurrentDir() {
  char buf[PATH_MAX];
  if (getcwd(buf, sizeof buf) == nullptr) return U_String(".");
  return U_String(buf);
}

U_String U_FileStat::getRealPath(const U_String& name) {
  if (name.empty()) return name;
  char buf[PATH_MAX];
  if (realpath(name.c_str(), buf) != nullptr) return U_String(buf);
  // The file need not exist: resolve the text instead.
  return collapse(isAbsolute(name) ? name : join(getCurrentDir(), name));
}

U_String U_FileStat::searchEnvPaths(const char* variable, const U_String& name) {
  const char* value = std::getenv(variable);
  if (value == nullptr) return U_String();
  U_String paths(value);
  size_t pos = 0;
  while (pos <= paths.size()) {
    size_t next = paths.find(':', pos);
    if (next == U_String::npos) next = paths.size();
    U_String dir = paths.substr(pos, next - pos);
    if (!dir.empty()) {
      U_String candidate = join(dir, name);
      if (exists(candidate)) return candidate;
    }
    pos = next + 1;
  }
  return U_String();
}
