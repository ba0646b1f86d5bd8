// Derives each product's argument and settings tables from the option
// table, once, on first use.
#include <algorithm>
#include <cstring>
#include <vector>

#include "config/C_OptionTables.h"

namespace {

struct C_OptionRow {
  const char* name;
  C_OptionAccessor accessor;
  unsigned products;
  bool shown;
  std::vector<const char*> spellings;
};

const std::vector<C_OptionRow>& optionRows() {
  using A = C_OptionAccessor;
#define C_OPTION(ACC, KIND, NAME, DEF, PRODUCTS, SHOWN, ...) \
  {NAME, static_cast<A>(&C_Options::getAsBase##ACC), PRODUCTS, SHOWN != 0, {__VA_ARGS__}},
  static const std::vector<C_OptionRow> rows = {
#include "config/C_OptionTable.def"
  };
#undef C_OPTION
  return rows;
}

const unsigned kProductBits[] = {C_PK, C_PC, C_PM, C_PZ};
const int kProducts = 4;

struct ProductTables {
  std::vector<C_OptionMapping> arguments;
  std::vector<C_OptionMapping> settings;
};

bool bySpelling(const C_OptionMapping& a, const C_OptionMapping& b) {
  return std::strcmp(a.spelling, b.spelling) < 0;
}

ProductTables buildTables(unsigned product) {
  ProductTables t;
  for (const C_OptionRow& row : optionRows()) {
    if (!(row.products & product)) continue;
    for (const char* spelling : row.spellings) t.arguments.push_back({spelling, row.accessor});
    if (row.shown) t.settings.push_back({row.name, row.accessor});
  }
  std::stable_sort(t.arguments.begin(), t.arguments.end(), bySpelling);
  std::stable_sort(t.settings.begin(), t.settings.end(), bySpelling);
  return t;
}

const ProductTables* productTables(int productIndex) {
  static const std::vector<ProductTables> tables = [] {
    std::vector<ProductTables> all;
    for (unsigned bit : kProductBits) all.push_back(buildTables(bit));
    return all;
  }();
  if (productIndex < 0 || productIndex >= kProducts) return nullptr;
  return &tables[static_cast<size_t>(productIndex)];
}

}  // namespace

const C_OptionMapping* C_getArgumentTable(int productIndex, int& rows) {
  const ProductTables* t = productTables(productIndex);
  rows = t ? static_cast<int>(t->arguments.size()) : 0;
  return t ? t->arguments.data() : nullptr;
}

const C_OptionMapping* C_getSettingsTable(int productIndex, int& rows) {
  const ProductTables* t = productTables(productIndex);
  rows = t ? static_cast<int>(t->settings.size()) : 0;
  return t ? t->settings.data() : nullptr;
}
