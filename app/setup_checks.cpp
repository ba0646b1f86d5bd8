#include "app/setup_checks.h"

#include "app/Trace.h"
#include "model/PI_Interface.h"
#include "report/FileList.h"
#include "report/Marshal_report.h"
#include "report/ReportOptions.h"
#include "report/ReportTrace.h"
#include "report/Template_Usage_Generate.h"
#include "report/Template_Usage_ReportConfig.h"

namespace {
// The report writes its progress lines to the run's trace.
void writeReportTrace(const U_String& line) { do_trace().writeln(line); }
}  // namespace

void setup_checks(const U_BPtr<C_CmdArgs>& /*cmdArgs*/, const P_DriverBase::AnalysisType& /*type*/) {
  do_trace().writeln("Calling ReportOptions::getOptions().parseOptions()");
  ReportTrace::setWriter(writeReportTrace);
  ReportOptions::getOptions().parseOptions();
  ReportOptions::template_usage_getOptions();
  Template_Usage_ReportConfig::parseOptions();
  PI_configureOnNewSymbol(Template_Usage_Generate::symbolClientFn);
  PI_configureOnProjRedecl(Template_Usage_Generate::symbolClientFn);
  PI_configureOnSource(FileList::getSourceFiles);
  PI_configureOnAllDefine(ignoreDefineCallback);
  PI_configureNeedRelationCalls();

  do_trace().writeln("Registering Marshal_report::do_all");
  PI_configureOnEnd(Marshal_report::do_all);
}
