#ifndef MODEL_P_CURRENTSOURCE_H
#define MODEL_P_CURRENTSOURCE_H

#include "intl/QL_Filename.h"

namespace WORKAROUND {
// The source file whose records are being read.  The analysis driver sets
// it before each file's records are read; checks called back while the
// file is read (the report's symbol client) take the current file from it.
// After the run it keeps the last file read.
extern QL_Filename& srcFilename;
}  // namespace WORKAROUND

#endif
