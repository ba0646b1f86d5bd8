#ifndef MODEL_P_UNIQUESTR_H
#define MODEL_P_UNIQUESTR_H

#include <cstddef>
#include <string_view>

#include "util/U_String.h"

// Unique strings: one stored, NUL-terminated copy per distinct text for the
// whole run.  Equal texts give the same pointer, so the model compares names
// by pointer.  The store is created on first use and never shrinks.
const char* P_createUniqueStr(std::string_view text);
inline const char* P_createUniqueStr(const U_String& text) { return P_createUniqueStr(std::string_view(text)); }
// A null text is treated as the empty text.
inline const char* P_createUniqueStr(const char* text) {
  return P_createUniqueStr(text ? std::string_view(text) : std::string_view());
}

// Number of distinct texts stored so far and the bytes they occupy.
std::size_t P_getUniqueStrCount();
std::size_t P_getUniqueStrBytes();

#endif
