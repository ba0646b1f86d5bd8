#include <cstring>

#include "config/C_CmdArgs.h"
#include "config/C_Options.h"

#define C_NODEF C_NoDefault{}

// Every option with its name and default, in table order.
#define C_OPTION(ACC, KIND, NAME, DEF, PRODUCTS, SHOWN, ...) , m_##ACC(NAME, DEF)
C_Options::C_Options(C_CmdArgs* cmdArgs)
    : U_Ref()
#include "config/C_OptionTable.def"
{
  setCmdArgs(cmdArgs);
}
#undef C_OPTION

void C_Options::setCmdArgs(C_CmdArgs* cmdArgs) { m_DummyForgetall.setCmdArgs(cmdArgs); }

#define C_OPTION(ACC, KIND, NAME, DEF, PRODUCTS, SHOWN, ...)                                   \
  C_Option##KIND& C_get##ACC(C_Options& options) { return options.get##ACC(); }               \
  const C_Option##KIND& C_get##ACC(const C_Options& options) { return options.get##ACC(); }   \
  C_Option##KIND& C_get##ACC() { return C_CmdArgs::getGlobal().getOptions().get##ACC(); }
#include "config/C_OptionTable.def"
#undef C_OPTION

C_OptionBase& C_getOptionBase(C_Options& options, C_OptionAccessor accessor) {
  return (options.*accessor)();
}

C_OptionBase& C_getGlobalOptionBase(C_OptionAccessor accessor) {
  return C_getOptionBase(C_CmdArgs::getGlobal().getOptions(), accessor);
}

C_OptionBase* C_findOptionByName(C_Options& options, const char* name) {
  if (!name) return nullptr;
#define C_OPTION(ACC, KIND, NAME, DEF, PRODUCTS, SHOWN, ...) \
  if (std::strcmp(name, NAME) == 0) return &options.getAsBase##ACC();
#include "config/C_OptionTable.def"
#undef C_OPTION
  return nullptr;
}
