#include "app/P_MainMsgs.h"

namespace {
const int kFileOpenErrorMsg = 1540;
}

U_BPtr<M_Diagnostic> P_MainMsgs::getFileOpenError(const U_Location& where, const QL_Filename& file) {
  U_BPtr<M_Diagnostic> diagnostic(new M_Diagnostic(kFileOpenErrorMsg, where));
  diagnostic->addParameter(file);
  return diagnostic;
}
