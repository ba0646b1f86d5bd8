#ifndef INTL_ENCODINGCONVERTER_H
#define INTL_ENCODINGCONVERTER_H

#include "util/ExtendedCharEncoding.h"
#include "util/U_String.h"

// Conversion between the internal encoding (EUC-JP, eceEUC) and the other
// encodings.  eceNone and eceEUC are the identity; eceInvalid and unknown
// values are treated as eceNone.  Byte sequences that are not valid in the
// source encoding, and characters the target cannot represent, become '?'
// (U+FFFD when the target is UTF-8).  Conversion never fails.
U_String QL_convertToInternal(const U_String& text, ExtendedCharEncoding from);
U_String QL_convertFromInternal(const U_String& text, ExtendedCharEncoding to);

#endif
