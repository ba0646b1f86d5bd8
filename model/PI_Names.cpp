// Name and type helpers of the check interface.
#include "model/PI_Interface.h"
#include "model/P_Configure.h"
#include "model/P_Define.h"
#include "model/P_TypeQueries.h"

P_Symbol* PI_getScopeEnclSymbol(char const* scope) { return P_getScopeEnclSymbol(scope); }
char const* PI_getOutputString(char const* name) { return P_getOutputString(name); }
char const* PI_getParsedString(char const* text) { return P_parseString(text); }
int PI_getArrayDimension(char const* type) { return P_getArrayDimension(type); }
char const* PI_getArrayElemType(char const* type) { return P_getArrayElemType(type); }
int PI_isUndimArray(char const* type) { return P_isUndimArray(type); }
int PI_isTypeArray(char const* type) { return P_isTypeArray(type); }
int PI_areTypesEqual(char const* a, char const* b) { return P_areTypesEqual(a, b); }
