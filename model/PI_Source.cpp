// Sources and the run's output paths in the check interface.
#include "intl/QL_LocalEncoding.h"
#include "model/PI_Guard.h"
#include "model/PI_Interface.h"
#include "model/P_OutputFile.h"
#include "model/SourceFileReader.h"
#include "util/U_Assert.h"

namespace {

// 0 selects the internal encoding, 1 the run's local encoding.
ExtendedCharEncoding selectEncoding(int encoding) {
  if (encoding == 0) return eceEUC;
  if (encoding != 1) U_ASSERT(! "Illegal encoding specified");
  return QL_getLocalEncoding();
}

}  // namespace

char const* PI_getSourceFilename(P_Source* src) {
  return PI_GUARDED(nullptr, P_getSourceFilename(src));
}
int PI_isSourceCrossModuleFilename(P_Source* src) {
  return PI_GUARDED(0, P_isSourceCrossModuleFilename(src));
}

char const* PI_getPALOutputPath(int encoding) {
  return PI_GUARDED(nullptr, P_getPALOutputPath(selectEncoding(encoding)));
}
char const* PI_getPALCrossModuleFilename(int encoding) {
  return PI_GUARDED(nullptr, P_getPALCrossModuleFilename(selectEncoding(encoding)));
}
