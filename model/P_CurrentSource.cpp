#include "model/P_CurrentSource.h"

namespace {
QL_Filename& currentSource() {
  static QL_Filename source;
  return source;
}
}  // namespace

QL_Filename& WORKAROUND::srcFilename = currentSource();
