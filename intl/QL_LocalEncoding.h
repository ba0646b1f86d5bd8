#ifndef INTL_QL_LOCALENCODING_H
#define INTL_QL_LOCALENCODING_H

#include "util/ExtendedCharEncoding.h"
#include "util/U_String.h"

// The local encoding of the run: the encoding of the user's terminal and
// files.  Until the command line decides it (QL_setLocalEncoding), it is
// derived from the environment variable LANG.
ExtendedCharEncoding QL_getLocalEncoding();
void QL_setLocalEncoding(ExtendedCharEncoding encoding);

// Encoding named by a locale such as "ja_JP.eucJP": C, POSIX and unknown
// locales give eceNone.
ExtendedCharEncoding QL_encodingFromLang(const char* lang);

// Encoding named by the value of the "encoding" option, compared without
// regard to case; eceInvalid when the name is unknown.
ExtendedCharEncoding QL_encodingFromName(const U_String& name);

// The encoding used for file names given to the file system.
ExtendedCharEncoding QL_getFilenameEncoding();

#endif
