#ifndef REPORT_XMLESCAPE_H
#define REPORT_XMLESCAPE_H

#include <string_view>

#include "util/U_String.h"

// The text with "&", "<" and ">" written as entities, in that order so
// that no entity is escaped twice.  Quotes and all other bytes pass as
// they are: the writer only puts escaped text in element content.
U_String escapeXmlText(const U_String& text);

// UTF-8 text made fit for an XML 1.0 document: every byte that does not
// belong to a well-formed UTF-8 sequence, and every character XML does not
// allow (control characters other than tab, line feed and carriage
// return, U+FFFE, U+FFFF), becomes U+FFFD.  Plain printable ASCII text is
// returned unchanged.
U_String xmlSafeUtf8(std::string_view text);

#endif
