#include "messages/M_ErrFilename.h"

#include "intl/QL_FileStat.h"
#include "intl/QL_String.h"
#include "util/U_FileStat.h"

U_String M_formErrFilename(const U_String& directory, const U_String& source) {
  return U_FileStat::addExt(U_FileStat::join(directory, U_FileStat::getFilename(source)), "err");
}

QL_String M_formErrFilename(const QL_String& directory, const QL_String& source) {
  return QL_FileStat::addExt(QL_FileStat::join(directory, QL_FileStat::getFilename(source)),
                             QL_String::create("err", eceEUC));
}
