// Diagnostics, locations and suppression records in the check interface;
// the diagnostic layer does the work.
#include <memory>
#include <vector>

#include "messages/P_DiagnosticInterface.h"
#include "model/PI_Guard.h"
#include "model/PI_Interface.h"

namespace {

// Locations handed to checks stay valid until the process ends: a check
// has no function to release them.
P_Location* keep(P_Location* loc) {
  static std::vector<std::unique_ptr<P_Location>> kept;
  if (loc != nullptr) kept.emplace_back(loc);
  return loc;
}

}  // namespace

P_Diagnostic* PI_createDiagnostic(int id, char const* file, int line) {
  return PI_GUARDED(nullptr, P_createDiagnostic(id, file, line));
}
P_Diagnostic* PI_createDiagnosticWithCol(int id, char const* file, int line, int column) {
  return PI_GUARDED(nullptr, P_createDiagnosticWithCol(id, file, line, column));
}
void PI_addDiagnosticParamName(P_Diagnostic* diag, char const* name) {
  PI_GUARDED_VOID(P_addDiagnosticParamName(diag, name));
}
void PI_addDiagnosticParamDiag(P_Diagnostic* diag, P_Diagnostic* sub) {
  PI_GUARDED_VOID(P_addDiagnosticParamDiag(diag, sub));
}
void PI_warn(P_Diagnostic* diag) { PI_GUARDED_VOID(P_warn(diag)); }
int PI_getDiagnosticID(P_Diagnostic* diag) { return PI_GUARDED(0, P_getDiagnosticID(diag)); }
char const* PI_getDiagnosticFilename(P_Diagnostic* diag) {
  return PI_GUARDED(nullptr, P_getDiagnosticFilename(diag));
}
int PI_getDiagnosticLine(P_Diagnostic* diag) { return PI_GUARDED(0, P_getDiagnosticLine(diag)); }
int PI_getDiagnosticColumn(P_Diagnostic* diag) {
  return PI_GUARDED(0, P_getDiagnosticColumn(diag));
}
char const* PI_getDiagnosticAsString(P_Diagnostic* diag, char const* format) {
  return PI_GUARDED(nullptr, P_getDiagnosticAsString(diag, format));
}
P_Location* PI_getDiagnosticLocation(P_Diagnostic* diag) {
  return PI_GUARDED(nullptr, keep(P_getDiagnosticLocation(diag)));
}
char const* PI_getLocationFilename(P_Location* loc) {
  return PI_GUARDED(nullptr, P_getLocationFilename(loc));
}
int PI_getLocationLine(P_Location* loc) { return PI_GUARDED(0, P_getLocationLine(loc)); }
int PI_getLocationColumn(P_Location* loc) { return PI_GUARDED(0, P_getLocationColumn(loc)); }

char const* PI_getSuppressionRecordTag(P_SuppressionRecord* rec) {
  return PI_GUARDED(nullptr, P_getSuppressionRecordTag(rec));
}
int PI_getSuppressionRecordKind(P_SuppressionRecord* rec) {
  return PI_GUARDED(0, P_getSuppressionRecordKind(rec));
}
P_Location* PI_getSuppressionRecordTagLocation(P_SuppressionRecord* rec) {
  return PI_GUARDED(nullptr, keep(P_getSuppressionRecordTagLocation(rec)));
}
P_Location* PI_getSuppressionRecordFromLocation(P_SuppressionRecord* rec) {
  return PI_GUARDED(nullptr, keep(P_getSuppressionRecordFromLocation(rec)));
}
P_Location* PI_getSuppressionRecordToLocation(P_SuppressionRecord* rec) {
  return PI_GUARDED(nullptr, keep(P_getSuppressionRecordToLocation(rec)));
}
unsigned int PI_getSuppressionMessageRangeCount(P_SuppressionRecord* rec) {
  return PI_GUARDED(0u, P_getSuppressionMessageRangeCount(rec));
}
char const* PI_getSuppressionMessageRangeStart(P_SuppressionRecord* rec, unsigned int index) {
  return PI_GUARDED(nullptr, P_getSuppressionMessageRangeStart(rec, index));
}
char const* PI_getSuppressionMessageRangeEnd(P_SuppressionRecord* rec, unsigned int index) {
  return PI_GUARDED(nullptr, P_getSuppressionMessageRangeEnd(rec, index));
}
