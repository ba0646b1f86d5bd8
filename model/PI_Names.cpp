// Name and type helpers of the check interface.
#include "model/PI_Guard.h"
#include "model/PI_Interface.h"
#include "model/P_Configure.h"
#include "model/P_Define.h"
#include "model/P_TypeQueries.h"

P_Symbol* PI_getScopeEnclSymbol(char const* scope) {
  return PI_GUARDED(nullptr, P_getScopeEnclSymbol(scope));
}
char const* PI_getOutputString(char const* name) {
  return PI_GUARDED(nullptr, P_getOutputString(name));
}
char const* PI_getParsedString(char const* text) {
  return PI_GUARDED(nullptr, P_parseString(text));
}
int PI_getArrayDimension(char const* type) { return PI_GUARDED(0, P_getArrayDimension(type)); }
char const* PI_getArrayElemType(char const* type) {
  return PI_GUARDED(nullptr, P_getArrayElemType(type));
}
int PI_isUndimArray(char const* type) { return PI_GUARDED(0, P_isUndimArray(type)); }
int PI_isTypeArray(char const* type) { return PI_GUARDED(0, P_isTypeArray(type)); }
int PI_areTypesEqual(char const* a, char const* b) { return PI_GUARDED(0, P_areTypesEqual(a, b)); }
