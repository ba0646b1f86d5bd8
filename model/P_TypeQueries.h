#ifndef MODEL_P_TYPEQUERIES_H
#define MODEL_P_TYPEQUERIES_H

// Queries on the type texts of definition records ("int[3]", "charconst*",
// "{cBox<int>}").  An array type ends in a bracketed dimension, which is
// empty for an array of unknown size.  A null type is no array.
bool P_isTypeArray(const char* type);
bool P_isUndimArray(const char* type);
// The outermost (last) dimension; 0 for an undimensioned array or a
// non-array.
int P_getArrayDimension(const char* type);
// The type without its last dimension, interned; the type itself when it is
// not an array.
const char* P_getArrayElemType(const char* type);
// Equal texts (interned texts are equal exactly when their pointers are).
bool P_areTypesEqual(const char* a, const char* b);

#endif
