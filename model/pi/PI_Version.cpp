#include "model/PI_Interface.h"

#ifndef TUK_PAL_VERSION
#define TUK_PAL_VERSION "unknown"
#endif

char const* PI_getInterfaceVersion(void) { return TUK_PAL_VERSION; }
