// The settings display, the help lines and the debug keywords.
#include <cstdio>

#include "config/C_CmdArgs.h"
#include "config/C_ConfigItems.h"
#include "config/C_OptionTables.h"

void argDisplaySettings(FILE* out) {
  if (!out) return;
  C_Options& options = C_CmdArgs::getGlobal().getOptions();
  int rows = 0;
  const C_OptionMapping* table = C_getSettingsTable(C_currentProductIndex(), rows);
  for (int i = 0; i < rows; ++i) {
    const C_OptionBase& option = (options.*(table[i].accessor))();
    std::fprintf(out, "%s%-23s %s\n", "-", option.getName().c_str(),
                 option.getValueRepresentation().c_str());
  }
}

void cfgDisplayHelp() {
  for (const U_String& line : C_getConfigValues().help) std::fprintf(stderr, "%s\n", line.c_str());
}

bool C_hasDebug(const C_Options& options, const char* keyword) {
  if (!keyword) return false;
  for (const U_String& value : C_getArgDebug(options))
    if (value == keyword) return true;
  return false;
}

bool C_hasDebug(const U_BPtr<C_CmdArgs>& cmdArgs, const char* keyword) {
  return cmdArgs.isSet() && C_hasDebug(cmdArgs->getOptions(), keyword);
}

bool C_hasDebug(const char* keyword) { return C_hasDebug(C_CmdArgs::getGlobal().getOptions(), keyword); }
