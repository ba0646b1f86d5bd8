#include "config/C_OptionTables.h"
#include "config/C_ProductConfigs.h"

const C_ProductRow* C_getProductTable() {
  static const C_ProductRow table[] = {
      {2, "KTLPP", "KTLPPBIN", "KTLPPHELPFILES", "ktlpp", C_getConfigItems(0), "ktlpp", "KTLPPOUTPATH", "ktlpp",
       "KTLPPTEMPFILES"},
      {1, "KTL", "KTLBIN", "KTLHELPFILES", "ktl", C_getConfigItems(1), "ktl", "KTLOUTPATH", "ktl",
       "KTLTEMPFILES"},
      {16, "MRV", "MRVBIN", "MRVHELPFILES", "mrv", C_getConfigItems(2), "mrv", "MRVOUTPATH", "mrv",
       "MRVTEMPFILES"},
      {4, "ZNT", "ZNTBIN", "ZNTHELPFILES", "znt", C_getConfigItems(3), "znt", "ZNTOUTPATH", "znt",
       "ZNTTEMPFILES"},
      {0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
  };
  return table;
}
