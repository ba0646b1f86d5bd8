#include "intl/QL_Filename.h"

#include "intl/QL_FileStat.h"
#include "intl/QL_LocalEncoding.h"

QL_Filename QL_Filename::create(const QL_String& name) {
  QL_Filename f;
  if (name.empty()) return f;
  QL_String real = QL_FileStat::getRealPath(QL_FileStat::getNormalisedFilename(name));
  f.m_name = U_Filename::getString(real.get(QL_getFilenameEncoding()));
  return f;
}

QL_Filename QL_Filename::fromHandle(const U_Filename& handle) {
  QL_Filename f;
  f.m_name = handle;
  return f;
}

QL_String QL_Filename::getQLString() const {
  return QL_String::create(m_name.str(), QL_getFilenameEncoding());
}
