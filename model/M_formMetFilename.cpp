#include "model/M_formMetFilename.h"

#include "intl/QL_FileStat.h"
#include "intl/QL_String.h"

QL_String M_formMetFilename(const QL_String& directory, const QL_String& source) {
  const QL_String name = QL_FileStat::getFilename(source);
  return QL_FileStat::addExt(QL_FileStat::join(directory, name), QL_String::create("met", eceEUC));
}
