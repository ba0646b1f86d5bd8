// kxdf.errdump: lists the diagnostics and suppression records of error
// files, which are binary, as text.
#include <cstring>
#include <iostream>

#include "messages/M_ErrDump.h"

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "-help") == 0 || std::strcmp(argv[1], "--help") == 0)) {
    errDumpUsage(std::cout);
    return 0;
  }
  ErrDumpRequest request;
  if (!errDumpParseArgs(argc, argv, request, std::cerr)) {
    errDumpUsage(std::cerr);
    return 2;
  }
  return errDumpRun(request, std::cout, std::cerr);
}
