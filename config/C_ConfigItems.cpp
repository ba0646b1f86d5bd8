// The items each product's configuration file may set, section by section.
#include "config/C_ConfigItems.h"

C_ConfigValues& C_getConfigValues() {
  static C_ConfigValues values;
  return values;
}

namespace {

sCfgDef section(const char* name) { return {C_CFG_SECTION, name, nullptr, 0}; }
sCfgDef text(const char* name, U_String& target) { return {C_CFG_TEXT, name, &target, 0}; }
sCfgDef number(const char* name, int& target) { return {C_CFG_INT, name, &target, 0}; }
sCfgDef texts(const char* name, std::vector<U_String>& target, int count) {
  return {C_CFG_TEXTLIST, name, &target, count};
}

// KTLPP and ZNT share one item list.
std::vector<sCfgDef> ktlppItems(C_ConfigValues& v) {
  return {
      section("help"), texts("cfgHelp", v.help, 1024),
      section("characters"), text("legalCharConstants", v.legalCharConstants),
      section("internal"), number("scopeHashSize", v.scopeHashSize),
      section("messages"), text("cfgErrorText", v.errorText), text("cfgWarningText", v.warningText),
      text("cfgMsgFormat", v.msgFormat),
      section("levels"), texts("cfgLevelText", v.levelText, 500),
      section("development"), number("developmentScaling", v.developmentScaling),
      number("basicPortPercent", v.basicPortPercent), number("minPortPerDay", v.minPortPerDay),
      number("maxPortPerDay", v.maxPortPerDay),
      section("cyclomatic"), number("highCyclomatic", v.highCyclomatic),
      number("veryHighCyclomatic", v.veryHighCyclomatic),
      number("extremelyHighCyclomatic", v.extremelyHighCyclomatic), number("lowCycPercent", v.lowCycPercent),
      number("highCycPercent", v.highCycPercent),
      section("paths"), number("highPaths", v.highPaths), number("veryHighPaths", v.veryHighPaths),
      number("extremelyHighPaths", v.extremelyHighPaths),
      section("debugging"), text("cfgDebuggingKey", v.debuggingKey),
      section("general"), number("triggerLines", v.triggerLines),
      number("maxLinesPerFunction", v.maxLinesPerFunction), number("minLength", v.minLength),
      number("maxLength", v.maxLength), number("maxOverscoping", v.maxOverscoping),
      section("comments"), number("minCommentDensity", v.minCommentDensity),
      number("maxCommentDensity", v.maxCommentDensity),
      section("bathtub"), number("lowbathtub", v.lowbathtub), number("highbathtub", v.highbathtub),
      {C_CFG_OPTIONS, "options", nullptr, 0}, {C_CFG_END, nullptr, nullptr, 0},
  };
}

std::vector<sCfgDef> ktlItems(C_ConfigValues& v) {
  return {
      section("help"), texts("cfgHelp", v.help, 1024),
      section("messages"), text("cfgErrorText", v.errorText), text("cfgWarningText", v.warningText),
      text("cfgMsgFormat", v.msgFormat),
      section("levels"), texts("cfgLevelText", v.levelText, 500),
      section("development"), number("developmentScaling", v.developmentScaling),
      number("basicPortPercent", v.basicPortPercent), number("minPortPerDay", v.minPortPerDay),
      number("maxPortPerDay", v.maxPortPerDay),
      section("cyclomatic"), number("highCyclomatic", v.highCyclomatic),
      number("veryHighCyclomatic", v.veryHighCyclomatic),
      number("extremelyHighCyclomatic", v.extremelyHighCyclomatic), number("minOutlier", v.minOutlier),
      number("maxOutlier", v.maxOutlier),
      section("paths"), number("highPaths", v.highPaths), number("veryHighPaths", v.veryHighPaths),
      number("extremelyHighPaths", v.extremelyHighPaths),
      section("general"), number("triggerLines", v.triggerLines),
      number("maxLinesPerFunction", v.maxLinesPerFunction), number("minLength", v.minLength),
      number("maxLength", v.maxLength), number("maxBackJumps", v.maxBackJumps),
      number("minKnotDensity", v.minKnotDensity), number("medKnotDensity", v.medKnotDensity),
      number("maxKnotDensity", v.maxKnotDensity),
      section("comments"), number("minCommentDensity", v.minCommentDensity),
      number("maxCommentDensity", v.maxCommentDensity),
      section("format"), texts("printfSpecs", v.printfSpecs, 1), texts("scanfSpecs", v.scanfSpecs, 1),
      {C_CFG_OPTIONS, "options", nullptr, 0}, {C_CFG_END, nullptr, nullptr, 0},
  };
}

std::vector<sCfgDef> mrvItems(C_ConfigValues& v) {
  return {
      section("help"), texts("cfgHelp", v.help, 1024),
      {C_CFG_OPTIONS, "options", nullptr, 0}, {C_CFG_END, nullptr, nullptr, 0},
  };
}

}  // namespace

const sCfgDef* C_getConfigItems(int productIndex) {
  static const std::vector<sCfgDef> lists[] = {
      ktlppItems(C_getConfigValues()), ktlItems(C_getConfigValues()), mrvItems(C_getConfigValues()),
      ktlppItems(C_getConfigValues())};
  if (productIndex < 0 || productIndex > 3) return nullptr;
  return lists[productIndex].data();
}
