#ifndef UTIL_U_STRING_H
#define UTIL_U_STRING_H

#include <cstddef>
#include <string>

// The program's string type: a plain byte string.  Its bytes are in the
// encoding of whoever produced them; encoding-aware text is QL_String.
using U_String = std::string;

// Case-insensitive comparisons of ASCII letters, as the C library's
// strcasecmp/strncasecmp but independent of the locale.
int U_stricmp(const char* a, const char* b);
int U_strnicmp(const char* a, const char* b, std::size_t n);

#endif
