#ifndef REPORT_REPORTOPTIONS_H
#define REPORT_REPORTOPTIONS_H

#include <ostream>
#include <vector>

#include "report/Template_Usage_ReportConfig.h"
#include "util/U_String.h"

// The report options ("-po mxo::..."): the report type and two switches
// that are off unless given.
namespace ReportOptions {

class RepOpt {
 public:
  // The default report type, "General Report".
  static const U_String OPTION_KEY;
  // "report_type".
  static const U_String OPTION_NAME;
  // "structural_match": templates, instances and names are matched by the
  // structure of their names and argument lists, not by text.
  static const U_String STRUCTURAL_NAME;
  // "omit_system_headers": the list of analysed files leaves out headers
  // included only as system headers.
  static const U_String SYSTEM_HEADERS_NAME;

  RepOpt();
  virtual ~RepOpt();

  // Takes the report type and the switches from the options of key "mxo";
  // the last one given of each wins.  A switch is "name" or "name+" (on) or
  // "name-" (off); any other form is a configuration error.
  void parseOptions();
  const U_String& getReportType() const { return m_reportType; }
  void setReportType(const U_String& type) { m_reportType = type; }

  bool getIsStructuralMatch() const { return m_structural; }
  void setIsStructuralMatch(bool on) { m_structural = on; }
  bool getOmitSystemHeaders() const { return m_omitSystemHeaders; }
  void setOmitSystemHeaders(bool on) { m_omitSystemHeaders = on; }

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
  bool m_structural = false;
  bool m_omitSystemHeaders = false;
};

// The process's report options and report configuration, created on first
// use.
RepOpt& getOptions();
Template_Usage_ReportConfig& template_usage_getOptions();

}  // namespace ReportOptions

#endif
