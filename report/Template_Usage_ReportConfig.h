#ifndef REPORT_TEMPLATE_USAGE_REPORTCONFIG_H
#define REPORT_TEMPLATE_USAGE_REPORTCONFIG_H

#include <vector>

#include "util/U_String.h"

// The report's own configuration: it has no options of its own, but reads
// (and ignores) any given under its name.  Its settings lines are the
// report switches that are on.
class Template_Usage_ReportConfig {
 public:
  // "Template Usage Report".
  static const U_String OPTION_KEY;

  virtual ~Template_Usage_ReportConfig();

  static void parseOptions();
  static void showUsage();
  std::vector<U_String> dumpSettings() const;
};

#endif
