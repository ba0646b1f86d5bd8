// Feeds arbitrary bytes to the error-file reader: every input must end in
// a list of diagnostics or an exception, never in a crash or a hang.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include "messages/M_InputTessel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/tuk-fuzz-errfile-" + std::to_string(getpid()) + ".err";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  try {
    M_InputTessel input;
    input.openFile(path);
    for (const auto& d : input.diagnostics()) d->getRepresentation();
    for (const auto& r : input.suppressionRecords()) r->getRepresentation();
  } catch (const std::exception&) {
  }
  return 0;
}
