#ifndef REPORT_REPORTTRACE_H
#define REPORT_REPORTTRACE_H

#include "util/U_String.h"

// Progress lines of the report run.  The application owns the trace file;
// it installs its line writer here when it registers the report, so the
// report does not depend on the application layer.  Without a writer the
// lines are dropped.
namespace ReportTrace {

typedef void (*Writer)(const U_String& line);

void setWriter(Writer writer);
void writeln(const U_String& line);

}  // namespace ReportTrace

#endif
