#include "report/Template_Usage_ReportConfig.h"

#include <iostream>

#include "model/PI_Interface.h"
#include "report/ReportOptions.h"

const U_String Template_Usage_ReportConfig::OPTION_KEY = "Template Usage Report";

Template_Usage_ReportConfig::~Template_Usage_ReportConfig() = default;

void Template_Usage_ReportConfig::parseOptions() {
  // Options given under the report's name are walked so that they count
  // as read; none of them is recognised.
  for (PI_OptionIterHan it = PI_getFirstOption(OPTION_KEY.c_str()); !PI_isOptionIterEnd(it);
       PI_getOptionIterNext(it)) {
    const char* entry = PI_getOptionIterData(it);
    if (entry != nullptr) (void)PI_getOptionName(entry);
  }
}

void Template_Usage_ReportConfig::showUsage() {
  std::cout << OPTION_KEY << " has no specific parameters." << std::endl;
}

std::vector<U_String> Template_Usage_ReportConfig::dumpSettings() const {
  // A switch is listed only when on, so a report without them keeps its
  // empty settings block.
  const ReportOptions::RepOpt& options = ReportOptions::getOptions();
  std::vector<U_String> lines;
  if (options.getIsStructuralMatch()) lines.push_back("Structural Matching: true");
  if (options.getOmitSystemHeaders()) lines.push_back("Omit System Headers: true");
  return lines;
}
