#include "app/PALApp.h"

#include <iostream>

#include "app/SetLocaleToLocalEncoding.h"
#include "app/Version.h"
#include "config/C_Options.h"
#include "report/ReportOptions.h"
#include "report/Template_Usage_ReportConfig.h"

namespace {

const char* const kHelpLines[] = {
    "Return codes: ",
    "  0  No Error",
    "  10  Configuration error - KTLBIN or KTLPPBIN not set",
    "  10  Configuration error - No source files specified",
    "  10  Configuration error - Product specified is not KTL or KTLPP",
    "  19  Program termination - Caught an exception",
    "",
    "Options:",
    "  <product> ktlpp",
    "  -list <list of source files, normally %L>",
    "  -via <list of settings, normally %P>",
    "  -po \"mxo::report_type=Template Usage Report\"",
    "  -trace",
    "  -help",
};

const char* const kUsageLines[] = {
    "usage: ",
    "standard.kxdf.generator <product> -cmaf <file> [options...] f1...fn",
    "standard.kxdf.generator <product> -cmaf <file> [options...] -list filelist",
};

}  // namespace

PALApp::PALApp(const char* version, SetupFunction setup) : P_Driver(version, setup) {}

int PALApp::exec() {
  U_BPtr<C_CmdArgs> cmdArgs = getCmdArgs();
  SetLocaleToLocalEncoding();
  if (cmdArgs.isSet() && C_getWantHelp(cmdArgs->getOptions())) {
    help();
    usage();
    ReportOptions::template_usage_getOptions();
    Template_Usage_ReportConfig::showUsage();
    return getReturnNoError();
  }
  return P_Driver::exec();
}

void PALApp::usage() const {
  for (const char* line : kUsageLines) std::cerr << line << '\n';
  std::cerr.flush();
}

void PALApp::help() const {
  PrintVersion(getVersion().c_str());
  for (const char* line : kHelpLines) std::cout << line << '\n';
  std::cout.flush();
}

void PALApp::initRes() { SetLocaleToLocalEncoding(); }
