#ifndef MESSAGES_M_DIAGNOSTICORDER_H
#define MESSAGES_M_DIAGNOSTICORDER_H

#include <tuple>

#include "messages/M_Diagnostic.h"
#include "util/U_BPtr.h"

// The position of a diagnostic by source line: its main-source position
// (file name text, line, column), then message number and parameter texts.
// Include, macro and instantiation context do not count.
using M_SourceLineKey = std::tuple<U_String, int, int, int, U_String>;
M_SourceLineKey M_getSourceLineKey(const M_Diagnostic& diag);

// Orderings by that key, used to sort and de-duplicate the diagnostics of
// an error file.
bool M_isDiagnosticLessBySourceLine(const U_BPtr<M_Diagnostic>& a, const U_BPtr<M_Diagnostic>& b);
bool M_isDiagnosticEqualBySourceLine(const U_BPtr<M_Diagnostic>& a, const U_BPtr<M_Diagnostic>& b);

#endif
