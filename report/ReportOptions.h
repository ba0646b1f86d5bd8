#ifndef REPORT_REPORTOPTIONS_H
#define REPORT_REPORTOPTIONS_H

#include <ostream>
#include <vector>

#include "report/Template_Usage_ReportConfig.h"
#include "util/U_String.h"

// The report type, the one report option ("-po mxo::report_type=...").
namespace ReportOptions {

class RepOpt {
 public:
  // The default report type, "General Report".
  static const U_String OPTION_KEY;
  // "report_type".
  static const U_String OPTION_NAME;

  RepOpt();
  virtual ~RepOpt();

  // Takes the report type from the options of key "mxo"; the last
  // "report_type" given wins.
  void parseOptions();
  const U_String& getReportType() const { return m_reportType; }
  void setReportType(const U_String& type) { m_reportType = type; }

  bool getIsTemplate_Usage_ReportType() const;
  bool getIsGenReportType() const;
  bool getIsNonSpecificReportType() const;

  static const char* getBoolStr(bool value);
  // Writes value and a line end, or "&lt;not set&gt;" for an empty value.
  static void printStr(std::ostream& os, const U_String& value);
  // "Report Type: " and the report type.
  std::vector<U_String> dumpSettings() const;

 private:
  U_String m_reportType;
};

// The process's report options and report configuration, created on first
// use.
RepOpt& getOptions();
Template_Usage_ReportConfig& template_usage_getOptions();

}  // namespace ReportOptions

#endif
