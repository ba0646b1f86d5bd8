#include "intl/QL_FileStat.h"

#include "intl/QL_LocalEncoding.h"
#include "util/U_FileStat.h"

// Pure text operations work on the internal text directly: '/' and '.' are
// the same byte in every supported encoding.  Operations that ask the file
// system convert to the file-name encoding first.

U_String QL_FileStat::toOS(const QL_String& name) { return name.get(QL_getFilenameEncoding()); }

QL_String QL_FileStat::fromOS(const U_String& name) {
  return QL_String::create(name, QL_getFilenameEncoding());
}

namespace {
QL_String internal(const U_String& text) { return QL_String::create(text, eceEUC); }
}  // namespace

bool QL_FileStat::isAbsolute(const QL_String& name) { return U_FileStat::isAbsolute(name.get()); }
bool QL_FileStat::exists(const QL_String& name) { return U_FileStat::exists(toOS(name)); }
bool QL_FileStat::canRead(const QL_String& name) { return U_FileStat::canRead(toOS(name)); }
bool QL_FileStat::isDirectory(const QL_String& name) { return U_FileStat::isDirectory(toOS(name)); }
bool QL_FileStat::isRegularFile(const QL_String& name) {
  return U_FileStat::isRegularFile(toOS(name));
}
QL_String QL_FileStat::getDirectory(const QL_String& name) {
  return internal(U_FileStat::getDirectory(name.get()));
}
QL_String QL_FileStat::getFilename(const QL_String& name) {
  return internal(U_FileStat::getFilename(name.get()));
}
QL_String QL_FileStat::getBasename(const QL_String& name) {
  return internal(U_FileStat::getBasename(name.get()));
}
QL_String QL_FileStat::getExt(const QL_String& name) {
  return internal(U_FileStat::getExt(name.get()));
}
QL_String QL_FileStat::remExt(const QL_String& name) {
  return internal(U_FileStat::remExt(name.get()));
}
QL_String QL_FileStat::addExt(const QL_String& name, const QL_String& ext) {
  return internal(U_FileStat::addExt(name.get(), ext.get()));
}
bool QL_FileStat::hasDirectory(const QL_String& name) {
  return U_FileStat::hasDirectory(name.get());
}
QL_String QL_FileStat::join(const QL_String& dir, const QL_String& name) {
  return internal(U_FileStat::join(dir.get(), name.get()));
}
QL_String QL_FileStat::getCurrentDir() { return fromOS(U_FileStat::getCurrentDir()); }
QL_String QL_FileStat::getRealPath(const QL_String& name) {
  return fromOS(U_FileStat::getRealPath(toOS(name)));
}
