#ifndef CONFIG_C_OPTIONS_H
#define CONFIG_C_OPTIONS_H

#include <cstdio>

#include "config/C_OptionTypes.h"
#include "util/U_BPtr.h"
#include "util/U_Ref.h"

class C_CmdArgs;

// Product bits of the option table's products column.
enum : unsigned {
  C_PK = 1u,  // KTLPP
  C_PC = 2u,  // KTL
  C_PM = 4u,  // MRV
  C_PZ = 8u,  // ZNT
  C_PALL = C_PK | C_PC | C_PM | C_PZ
};

// Every setting of one run: one option object per row of
// config/C_OptionTable.def, in the rows' order.  For a row with accessor
// suffix X and kind K the class offers
//   C_OptionK& getX();            const C_OptionK& getX() const;
//   C_OptionBase& getAsBaseX();   const C_OptionBase& getAsBaseX() const;
// and the free functions below offer
//   C_OptionK& C_getX(C_Options&);  const C_OptionK& C_getX(const C_Options&);
//   C_OptionK& C_getX();            (the options of the global command line)
// for example C_getArgOutPath(options).str(), C_getWantHelp(options),
// C_getArgCrossModAnlFile(), C_getArgProdOption(options).
class C_Options : public U_Ref {
 public:
  explicit C_Options(C_CmdArgs* cmdArgs = nullptr);
  // Copies every option with its value and set flag; the forget option
  // keeps pointing at the original's command line until setCmdArgs.
  C_Options(const C_Options& other) = default;
  C_Options& operator=(const C_Options&) = delete;

  // The command line whose options the forget option resets.
  void setCmdArgs(C_CmdArgs* cmdArgs);

#define C_OPTION(ACC, KIND, NAME, DEF, PRODUCTS, SHOWN, ...)               \
  C_Option##KIND& get##ACC() { return m_##ACC; }                           \
  const C_Option##KIND& get##ACC() const { return m_##ACC; }               \
  C_OptionBase& getAsBase##ACC() { return m_##ACC; }                       \
  const C_OptionBase& getAsBase##ACC() const { return m_##ACC; }
#include "config/C_OptionTable.def"
#undef C_OPTION

 private:
#define C_OPTION(ACC, KIND, NAME, DEF, PRODUCTS, SHOWN, ...) C_Option##KIND m_##ACC;
#include "config/C_OptionTable.def"
#undef C_OPTION
};

#define C_OPTION(ACC, KIND, NAME, DEF, PRODUCTS, SHOWN, ...)  \
  C_Option##KIND& C_get##ACC(C_Options& options);             \
  const C_Option##KIND& C_get##ACC(const C_Options& options); \
  C_Option##KIND& C_get##ACC();
#include "config/C_OptionTable.def"
#undef C_OPTION

// Selects one option of a C_Options as its base class.
using C_OptionAccessor = C_OptionBase& (C_Options::*)();

C_OptionBase& C_getOptionBase(C_Options& options, C_OptionAccessor accessor);
C_OptionBase& C_getGlobalOptionBase(C_OptionAccessor accessor);

// The option whose name (not spelling) is name, or null.
C_OptionBase* C_findOptionByName(C_Options& options, const char* name);

// True when keyword is one of the values of the debug option (exact,
// case-sensitive).
bool C_hasDebug(const C_Options& options, const char* keyword);
bool C_hasDebug(const U_BPtr<C_CmdArgs>& cmdArgs, const char* keyword);
bool C_hasDebug(const char* keyword);  // global command line

// Writes one line per option of the current product's settings table,
// "-", the name padded to 23 characters, a blank and the value, taking the
// values from the global command line.
void argDisplaySettings(FILE* out);

#endif
