#include "messages/M_Settings.h"

#include <optional>

#include "config/C_CmdArgs.h"
#include "config/C_Options.h"
#include "config/C_ProductConfigs.h"
#include "config/QL_getFilenameDisplayPath.h"
#include "intl/QL_Filename.h"

namespace M_Settings {
namespace {

struct Cache {
  std::optional<std::set<int>> only, nomsg, levels;
  std::optional<bool> hideMacro;
};

Cache& cache() {
  static Cache c;
  return c;
}

std::set<int> toSet(const C_OptionIntList& list) { return std::set<int>(list.begin(), list.end()); }

C_Options& options() { return C_CmdArgs::getGlobal().getOptions(); }

}  // namespace

bool hasDebug(const char* keyword) { return C_hasDebug(keyword); }

const std::set<int>& onlyMsgs() {
  auto& c = cache().only;
  if (!c) c = toSet(C_getArgOnlyErrors(options()));
  return *c;
}

const std::set<int>& noMsgs() {
  auto& c = cache().nomsg;
  if (!c) c = toSet(C_getArgSuppressedErrors(options()));
  return *c;
}

const std::set<int>& suppressedLevels() {
  auto& c = cache().levels;
  if (!c) c = toSet(C_getArgSuppressedLevels(options()));
  return *c;
}

bool hiddenWarnings() { return C_getArgHiddenWarnings(options()); }
bool hdrSuppress() { return C_getArgNoHeaders(options()); }

bool hideMacroWarnings() {
  auto& c = cache().hideMacro;
  if (!c) c = static_cast<bool>(C_getArgHideMacroWarnings(options()));
  return *c;
}

bool noGen() { return C_getArgNoGen(options()); }
bool showAlias() { return C_getArgShowAlias(options()); }

int tabStop() {
  int t = C_getArgTabStop(options());
  return t < 1 ? 1 : t;
}

U_String format() { return C_getArgFormat(options()).str().get(); }

U_String outputPath() { return C_ProductConfigs::getOutputPath().get(); }

U_String displayPath(const U_Filename& file) {
  if (!file.isSet()) return U_String();
  return QL_getFilenameDisplayPath(QL_Filename::fromHandle(file));
}

bool isMainSourceFile(const U_Filename& file) { return C_isMainSourceFile(file); }
bool isSuppressedFile(const U_Filename& file) { return file.isSet() && C_isSuppressedFile(file); }

void reset() { cache() = Cache(); }

}  // namespace M_Settings
