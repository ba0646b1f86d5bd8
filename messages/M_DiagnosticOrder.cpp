#include "messages/M_DiagnosticOrder.h"

M_SourceLineKey M_getSourceLineKey(const M_Diagnostic& diag) {
  U_Location main = U_getMainSourceLocation(diag.getLocation());
  U_String params;
  for (int i = 0; i < diag.parameters(); ++i) {
    U_String rep = diag.parameter(i)->getRepresentation();
    params += std::to_string(rep.size()) + ":" + rep;  // length-prefixed: no ambiguity
  }
  return M_SourceLineKey(main.getFilename().str(), main.getLine(), main.getColumn(), diag.getMsgNo(),
                         params);
}

bool M_isDiagnosticLessBySourceLine(const U_BPtr<M_Diagnostic>& a, const U_BPtr<M_Diagnostic>& b) {
  return M_getSourceLineKey(*a) < M_getSourceLineKey(*b);
}

bool M_isDiagnosticEqualBySourceLine(const U_BPtr<M_Diagnostic>& a, const U_BPtr<M_Diagnostic>& b) {
  return M_getSourceLineKey(*a) == M_getSourceLineKey(*b);
}
