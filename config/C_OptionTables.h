#ifndef CONFIG_C_OPTIONTABLES_H
#define CONFIG_C_OPTIONTABLES_H

#include "config/C_Options.h"

// One row of an option table: a spelling (lower case) and the option it
// selects.
struct C_OptionMapping {
  const char* spelling;
  C_OptionAccessor accessor;
};

// The per-product tables, derived from config/C_OptionTable.def and sorted
// by spelling in byte order.  The argument table holds every spelling of
// every option of the product; the settings table one row per option the
// settings display shows, keyed by the option's name.  productIndex is a
// product-table row; an unknown row gives an empty table.
const C_OptionMapping* C_getArgumentTable(int productIndex, int& rows);
const C_OptionMapping* C_getSettingsTable(int productIndex, int& rows);

#endif
