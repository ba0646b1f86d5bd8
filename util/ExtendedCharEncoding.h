#ifndef UTIL_EXTENDEDCHARENCODING_H
#define UTIL_EXTENDEDCHARENCODING_H

// Character encoding of a text.  The values are single bits so that sets
// of encodings can be written as masks.
enum ExtendedCharEncoding {
  eceInvalid = 1,
  eceNone = 2,
  eceEUC = 4,
  eceSJIS = 8,
  eceOldJIS = 16,
  eceNewJIS = 32,
  eceNECJIS = 64,
  eceUTF = 128
};

// Display name of an encoding value; "Unknown Endcoding Kind" for a value
// that is none of the above.
const char* U_getExtendedCharEncodingName(int encoding);

#endif
