#include "messages/Diagnostic.h"

#include "intl/QL_Filename.h"
#include "intl/QL_String.h"

namespace {
Diagnostic::IncludeLookup& includeLookup() {
  static Diagnostic::IncludeLookup lookup = nullptr;
  return lookup;
}
}  // namespace

void Diagnostic::configure(IncludeLookup lookup) { includeLookup() = lookup; }

U_Location Diagnostic::makeLocation(const char* file, int line, int column) {
  if (!file || !*file) return U_Location(U_Filename(), line, column);
  U_Filename name = QL_Filename::create(QL_String::create(file)).getHandle();
  U_Location includedFrom;
  if (includeLookup()) includedFrom = includeLookup()(name);
  return U_Location(name, line, column, U_BPtr<U_MacroHistory>(), includedFrom);
}
