#ifndef MODEL_P_UNIQUESTR_H
#define MODEL_P_UNIQUESTR_H

#include <cstddef>
#include <cstdint>
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

// Starts fetching the index memory a later P_createUniqueStr(text) will
// look at, so that work done in between hides the wait.  Changes nothing.
void P_prefetchUniqueStr(std::string_view text);

// Eight bits kept beside an interned text, 0 until set: a cache of facts
// worked out from the text (P_Define keeps the shape of a name's template
// lists there).  Only for pointers returned by P_createUniqueStr.
uint8_t P_getUniqueStrTag(const char* interned);
void P_setUniqueStrTag(const char* interned, uint8_t tag);

// An interned text linked to this one, null until set: a cache of a text
// worked out from this one (the symbol table keeps a function name's
// overload key there).  Only for pointers returned by P_createUniqueStr.
const char* P_getUniqueStrLink(const char* interned);
void P_setUniqueStrLink(const char* interned, const char* link);
// The length of an interned text, known without reading the text.
std::size_t P_getUniqueStrLength(const char* interned);

// Number of distinct texts stored so far and the bytes they occupy.
std::size_t P_getUniqueStrCount();
std::size_t P_getUniqueStrBytes();

#endif
