// Feeds arbitrary bytes to the error-file reader: every input must end in
// a list of diagnostics or an exception, never in a crash or a hang.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "messages/M_InputTessel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::scratchPath("errfile", ".err");
  if (!fuzz::writeFile(path, fuzz::asText(data, size))) return 0;
  try {
    M_InputTessel input;
    input.openFile(path);
    for (const auto& d : input.diagnostics()) d->getRepresentation();
    for (const auto& r : input.suppressionRecords()) r->getRepresentation();
  } catch (const std::exception&) {
  }
  return 0;
}
