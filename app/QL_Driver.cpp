#include "app/QL_Driver.h"

#include "app/Signals.h"
#include "app/Version.h"
#include "config/C_Exceptions.h"
#include "config/C_Options.h"
#include "config/C_ProductConfigs.h"
#include "util/U_FileStat.h"

namespace {

// Builds and processes the command line, then runs the application.
int runApp(int argc, const char** argv, QL_App& app) {
  VersionRequest(argc, argv, app.getVersion().c_str());
  installHandlers(QL_fatalSignalHandler);
  if (argc <= 0 || !argv || !argv[0])
    throw C_ConfigurationException("ERROR: No product name specified.\n");

  // Only the last component of the product argument names the product.
  const U_String product = U_FileStat::getBasename(U_FileStat::getNormalisedFilename(argv[0]));
  U_BPtr<C_CmdArgs> cmdArgs(new C_CmdArgs(product.c_str(), argc - 1, argv + 1));
  if (!cmdArgs->isValidProduct())
    throw C_ConfigurationException("ERROR: Invalid product name specified.\n");
  if (C_ProductConfigs::getBinDirectory(*cmdArgs).empty())
    throw C_ConfigurationException("\nERROR: " + U_String(C_ProductConfigs::getBinEnvVariable(*cmdArgs)) +
                                   " environment variable not found\n");

  cmdArgs->process(app.getOrphanHandler());
  if (C_getArgVersion(cmdArgs->getOptions())) PrintVersion(app.getVersion().c_str());
  app.setCmdArgs(cmdArgs);
  return app.exec();
}

}  // namespace

int QL_Driver(int argc, const char** argv, U_BPtr<QL_App> app) {
  if (!app.isSet()) return 19;  // nothing to run: the system-error code
  try {
    return runApp(argc, argv, *app);
  } catch (...) {
    return QL_reportException(*app, std::current_exception());
  }
}
