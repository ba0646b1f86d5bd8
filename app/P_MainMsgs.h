#ifndef APP_P_MAINMSGS_H
#define APP_P_MAINMSGS_H

#include "intl/QL_Filename.h"
#include "messages/M_Diagnostic.h"
#include "util/U_BPtr.h"
#include "util/U_Location.h"

// The diagnostics the driver itself raises.
struct P_MainMsgs {
  // Message 1540 at `where`, naming the file that could not be opened.
  static U_BPtr<M_Diagnostic> getFileOpenError(const U_Location& where, const QL_Filename& file);
};

#endif
