#ifndef REPORT_XMLTEXT_H
#define REPORT_XMLTEXT_H

#include "util/U_String.h"

// The report's documents declare UTF-8.  These turn the program's texts
// into that form: converted to UTF-8, with invalid bytes and characters
// XML does not allow replaced by U+FFFD (xmlSafeUtf8).  Markup escaping is
// left to the caller.

// Text held in the internal encoding (names, option values, code
// fragments).  When the run has no local encoding the text was never
// converted, and its bytes are taken as UTF-8.
U_String xmlDocumentText(const U_String& internal);

// A file name as the file system spells it (the file-name encoding).
U_String xmlDocumentFilename(const U_String& name);

#endif
