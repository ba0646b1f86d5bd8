#ifndef MESSAGES_P_DIAGNOSTICINTERFACE_H
#define MESSAGES_P_DIAGNOSTICINTERFACE_H

#include "messages/M_DiagnosticClients.h"

// The diagnostic functions of the check interface; each PI_ function of the
// same name forwards here.

// A new diagnostic owned by the caller (column 0 for the first form).
P_Diagnostic* P_createDiagnostic(int id, const char* file, int line);
P_Diagnostic* P_createDiagnosticWithCol(int id, const char* file, int line, int column);
void P_addDiagnosticParamName(P_Diagnostic* diag, const char* text);
// Adds a copy of SUB as a sub-message; SUB stays owned by the caller.
void P_addDiagnosticParamDiag(P_Diagnostic* diag, P_Diagnostic* sub);
// Outputs the diagnostic (unless a pragma suppression covers it) and
// destroys the handle, also when it throws: U_UserException when no
// diagnostic output is open.
void P_warn(P_Diagnostic* diag);

int P_getDiagnosticID(P_Diagnostic* diag);
const char* P_getDiagnosticFilename(P_Diagnostic* diag);
int P_getDiagnosticLine(P_Diagnostic* diag);
int P_getDiagnosticColumn(P_Diagnostic* diag);
// The diagnostic formatted with FORMAT (message format language), interned.
const char* P_getDiagnosticAsString(P_Diagnostic* diag, const char* format);
// A new location handle on every call, owned by the caller.
P_Location* P_getDiagnosticLocation(P_Diagnostic* diag);
const char* P_getLocationFilename(P_Location* loc);
int P_getLocationLine(P_Location* loc);
int P_getLocationColumn(P_Location* loc);

const char* P_getSuppressionRecordTag(P_SuppressionRecord* rec);
int P_getSuppressionRecordKind(P_SuppressionRecord* rec);
P_Location* P_getSuppressionRecordTagLocation(P_SuppressionRecord* rec);
P_Location* P_getSuppressionRecordFromLocation(P_SuppressionRecord* rec);
// Null when the record has no end.
P_Location* P_getSuppressionRecordToLocation(P_SuppressionRecord* rec);
unsigned int P_getSuppressionMessageRangeCount(P_SuppressionRecord* rec);
// The texts of a message range; null for an index out of range.
const char* P_getSuppressionMessageRangeStart(P_SuppressionRecord* rec, unsigned int index);
const char* P_getSuppressionMessageRangeEnd(P_SuppressionRecord* rec, unsigned int index);

#endif
