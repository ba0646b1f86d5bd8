#ifndef CONFIG_C_CONFIGITEMS_H
#define CONFIG_C_CONFIGITEMS_H

#include <vector>

#include "util/U_String.h"

// Kinds of the entries of a configuration-item list.
enum {
  C_CFG_END = -1,      // ends the list
  C_CFG_SECTION = 0,   // starts a section; name is the section's name
  C_CFG_TEXT = 1,      // target: U_String
  C_CFG_INT = 2,       // target: int
  C_CFG_TEXTLIST = 3,  // target: std::vector<U_String> with count places
  C_CFG_INTLIST = 4,   // target: std::vector<int> with count places
  C_CFG_OPTIONS = 5    // the options section; the rest of the file is arguments
};

// One entry of the list of items a product configuration file may set.
struct sCfgDef {
  int kind;
  const char* name;  // section name, or the item's name
  void* target;      // the variable set, typed by kind; null for sections
  int count;         // places of a list item
};

// The values the product configuration file sets, with their defaults.
struct C_ConfigValues {
  std::vector<U_String> help;  // cfgHelp, 1024 places
  U_String legalCharConstants;
  int scopeHashSize = 29;
  U_String errorText = "++ ERROR ++";
  U_String warningText = "++ WARNING ++";
  U_String hardErrorText = "++ HARD ERROR ++";  // no configuration item
  U_String msgFormat = ": <=%s=(%04d) ";
  std::vector<U_String> levelText;  // 500 places
  int developmentScaling = 6000;
  int basicPortPercent = 80;
  int minPortPerDay = 100;
  int maxPortPerDay = 20000;
  int highCyclomatic = 10;
  int veryHighCyclomatic = 30;
  int extremelyHighCyclomatic = 100;
  int lowCycPercent = 50;
  int highCycPercent = 200;
  int minOutlier = 8;
  int maxOutlier = 32;
  int highPaths = 200;
  int veryHighPaths = 1000;
  int extremelyHighPaths = 32000;
  U_String debuggingKey;
  int triggerLines = 50;
  int maxLinesPerFunction = 200;
  int minLength = 50;
  int maxLength = 200;
  int maxOverscoping = 20;
  int maxBackJumps = 5;
  int minKnotDensity = 10;
  int medKnotDensity = 20;
  int maxKnotDensity = 50;
  int minCommentDensity = 10;
  int maxCommentDensity = 80;
  std::vector<U_String> printfSpecs;  // 1 place
  std::vector<U_String> scanfSpecs;   // 1 place
  int lowbathtub = 50;
  int highbathtub = 200;
};

// The process-wide configuration values.
C_ConfigValues& C_getConfigValues();

// The item list of a product-table row (0 KTLPP, 1 KTL, 2 MRV, 3 ZNT),
// ended by a C_CFG_END entry; targets point into C_getConfigValues().
const sCfgDef* C_getConfigItems(int productIndex);

#endif
