// Formats a diagnostic with arbitrary format strings: every format must
// give a text (possibly the format error text), never a crash or a hang.
#include <cstdint>
#include <string>

#include "messages/M_formatMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the sub-message level and the column.
  int subLevel = data[0] & 3;
  int column = data[0] >> 2;
  std::string format(reinterpret_cast<const char*>(data + 1), size - 1);
  U_BPtr<M_Diagnostic> diag(new M_Diagnostic(1540, U_Location(U_Filename::getString("/src/main.cpp"), 12, column)));
  diag->addParameter(std::string("/out/main.cpp.met"));
  diag->setError(subLevel == 2);
  M_formatMessage(format, diag, subLevel);
  return 0;
}
