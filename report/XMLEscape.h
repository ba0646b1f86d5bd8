#ifndef REPORT_XMLESCAPE_H
#define REPORT_XMLESCAPE_H

#include "util/U_String.h"

// The text with "&", "<" and ">" written as entities, in that order so
// that no entity is escaped twice.  Quotes and all other bytes pass as
// they are: the writer only puts escaped text in element content.
U_String escapeXmlText(const U_String& text);

#endif
