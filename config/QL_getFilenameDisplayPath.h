#ifndef CONFIG_QL_GETFILENAMEDISPLAYPATH_H
#define CONFIG_QL_GETFILENAMEDISPLAYPATH_H

#include "intl/QL_Filename.h"
#include "util/U_String.h"

class C_Options;

// The form of a file name shown to users: the full path when the
// expandfilenames option is on (the default); otherwise the path relative
// to the working directory when the file lies below it, else the full path.
U_String QL_getFilenameDisplayPath(const QL_Filename& name);  // global options
U_String QL_getFilenameDisplayPath(const C_Options& options, const QL_Filename& name);

#endif
