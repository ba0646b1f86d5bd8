#include "report/ReportOptions.h"

#include <cstring>

#include "config/C_Exceptions.h"
#include "model/PI_Interface.h"

namespace ReportOptions {

namespace {

// The report type is a value option: the name must be followed by " " or
// "=" and the value.  Anything else ("-po mxo::report_type" alone, or with
// "+") is the user's mistake and ends the run as a configuration error.
void requireValue(const char* entry, const char* name) {
  const char separator = entry[std::strlen(name)];
  if (separator == ' ' || separator == '=') return;
  throw C_ConfigurationException(
      U_String("\nERROR: The product option mxo::") + name + " needs a value, as in -po \"mxo::" +
      name + "=Template Usage Report\"; it was given as mxo::" + entry + "\n\n");
}

// A switch is its name alone or followed by "+" (on) or "-" (off).
bool switchValue(const char* entry, const char* name) {
  const char separator = entry[std::strlen(name)];
  if (separator == '\0' || separator == '+') return true;
  if (separator == '-' && entry[std::strlen(name) + 1] == '\0') return false;
  throw C_ConfigurationException(U_String("\nERROR: The product option mxo::") + name +
                                 " is a switch, as in -po mxo::" + name + " or -po mxo::" +
                                 name + "-; it was given as mxo::" + entry + "\n\n");
}

}  // namespace

const U_String RepOpt::OPTION_KEY = "General Report";
const U_String RepOpt::OPTION_NAME = "report_type";
const U_String RepOpt::STRUCTURAL_NAME = "structural_match";
const U_String RepOpt::SYSTEM_HEADERS_NAME = "omit_system_headers";

RepOpt::RepOpt() : m_reportType(OPTION_KEY) {}
RepOpt::~RepOpt() = default;

void RepOpt::parseOptions() {
  for (PI_OptionIterHan it = PI_getFirstOption("mxo"); !PI_isOptionIterEnd(it);
       PI_getOptionIterNext(it)) {
    const char* entry = PI_getOptionIterData(it);
    if (entry == nullptr) continue;
    const char* name = PI_getOptionName(entry);
    if (name != nullptr && OPTION_NAME == name) {
      requireValue(entry, name);
      const char* value = PI_getOptionValue(entry);
      m_reportType = value ? value : "";
    } else if (name != nullptr && STRUCTURAL_NAME == name) {
      m_structural = switchValue(entry, name);
    } else if (name != nullptr && SYSTEM_HEADERS_NAME == name) {
      m_omitSystemHeaders = switchValue(entry, name);
    }
  }
  // Options under the default report's name are read and ignored.
  for (PI_OptionIterHan it = PI_getFirstOption(OPTION_KEY.c_str()); !PI_isOptionIterEnd(it);
       PI_getOptionIterNext(it)) {
    const char* entry = PI_getOptionIterData(it);
    if (entry != nullptr) (void)PI_getOptionName(entry);
  }
}

bool RepOpt::getIsTemplate_Usage_ReportType() const {
  return m_reportType == Template_Usage_ReportConfig::OPTION_KEY;
}
bool RepOpt::getIsGenReportType() const { return m_reportType == OPTION_KEY; }
bool RepOpt::getIsNonSpecificReportType() const {
  return m_reportType != Template_Usage_ReportConfig::OPTION_KEY;
}

const char* RepOpt::getBoolStr(bool value) { return value ? "true" : "false"; }

void RepOpt::printStr(std::ostream& os, const U_String& value) {
  os << (value.empty() ? U_String("&lt;not set&gt;") : value) << "\n";
}

std::vector<U_String> RepOpt::dumpSettings() const {
  return {"Report Type: " + m_reportType};
}

RepOpt& getOptions() {
  static RepOpt options;
  return options;
}

Template_Usage_ReportConfig& template_usage_getOptions() {
  static Template_Usage_ReportConfig config;
  return config;
}

}  // namespace ReportOptions
