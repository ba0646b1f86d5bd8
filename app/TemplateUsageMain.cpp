#include "app/TemplateUsageMain.h"

#include <cstring>
#include <iostream>
#include <vector>

#include "app/PALApp.h"
#include "app/QL_Driver.h"
#include "app/Trace.h"
#include "app/Version.h"
#include "app/setup_checks.h"
#include "model/P_BigBlock.h"
#include "source/Qparse.h"

namespace {

bool hasArgument(int argc, const char* const* argv, const char* word) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] && std::strcmp(argv[i], word) == 0) return true;
  }
  return false;
}

}  // namespace

int TemplateUsageMain(int argc, const char* const* argv) {
  do_trace().set_trace_off();
  // Both switches stay in the arguments handed on to the run.
  if (hasArgument(argc, argv, "-trace")) do_trace().set_trace_on();
  if (hasArgument(argc, argv, "-ver")) {
    std::cout << QL_programName << " version " << QL_programVersion << '\n';
    return 0;
  }

  // The program owns its process: the model of a big code base gets the
  // memory set-up it is measured with.
  P_enableLargeModelMemory();
  Qparse::initialise_Qparse();
  U_BPtr<QL_App> app(new PALApp(PAL_versionBanner().c_str(), setup_checks));
  // The run sees the product as its first word.
  std::vector<const char*> words;
  for (int i = 1; i < argc; ++i) words.push_back(argv[i]);
  words.push_back(nullptr);
  const int result = QL_Driver(static_cast<int>(words.size()) - 1, words.data(), app);

  do_trace().writeln("Finished");
  do_trace().set_trace_off();
  return result;
}
