#ifndef MESSAGES_M_ERRFILENAME_H
#define MESSAGES_M_ERRFILENAME_H

#include "util/U_String.h"

class QL_String;

// The error file of a source: the source's file name without its directory,
// joined to the directory, with the extension "err" added
// ("/out" and "src/main.c" give "/out/main.c.err").
U_String M_formErrFilename(const U_String& directory, const U_String& source);
QL_String M_formErrFilename(const QL_String& directory, const QL_String& source);

#endif
