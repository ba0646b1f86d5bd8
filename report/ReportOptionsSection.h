#ifndef REPORT_REPORTOPTIONSSECTION_H
#define REPORT_REPORTOPTIONSSECTION_H

#include <vector>

#include "util/U_String.h"

class OutputFormat;

// Bodies of the "Analysis Options" and "Report Settings" appendix sections.
namespace ReportOptionsSection {

// All settings of the run, report options left out, wrapped at 66.
void writePersonSettings(OutputFormat* writer);
// One settings line, wrapped at 66 characters with a 25-space indent.
void writePersonSettingsLine(OutputFormat* writer, const U_String& line);
// The report configuration's settings as a verbatim block.
void writeTemplate_Usage_ReportOptions(OutputFormat* writer);
// The report type's settings as a verbatim block.
void writeGeneralReportOptions(OutputFormat* writer);

// The pieces writePersonSettingsLine writes for one line (without writer).
std::vector<U_String> wrapSettingsLine(const U_String& line);
// The output lines of one settings line: its terms filtered and laid out,
// each still to be wrapped.
std::vector<U_String> layoutSettingsLine(const U_String& line);

}  // namespace ReportOptionsSection

#endif
