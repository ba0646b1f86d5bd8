#ifndef MESSAGES_M_DIAGNOSTICCLIENTS_H
#define MESSAGES_M_DIAGNOSTICCLIENTS_H

#include <map>
#include <set>

#include "messages/M_Diagnostic.h"
#include "messages/M_SuppressionRecord.h"
#include "util/U_BPtr.h"
#include "util/U_Location.h"

// The handles a check receives for diagnostics, suppression records and
// locations.  They are declared opaque in the check interface and wrap the
// message layer's objects.
struct P_Diagnostic {
  explicit P_Diagnostic(const U_BPtr<M_Diagnostic>& d) : diag(d) {}
  U_BPtr<M_Diagnostic> diag;
};
struct P_SuppressionRecord {
  explicit P_SuppressionRecord(const U_BPtr<M_SuppressionRecord>& r) : record(r) {}
  U_BPtr<M_SuppressionRecord> record;
};
struct P_Location {
  explicit P_Location(const U_Location& l) : location(l) {}
  U_Location location;
};

using P_DiagnosticFn = void (*)(P_Diagnostic*, bool repeat);
using P_DiagnosticSuppressedFn = void (*)(P_Diagnostic*, bool repeat, bool suppressed);
using P_DiagnosticDisabledFn = void (*)(int msgNo, const char* file);
using P_DiagnosticSubMsgFn = void (*)(P_Diagnostic*, P_Diagnostic* sub);
using P_DiagnosticStringParamFn = void (*)(P_Diagnostic*, int index, const char* text);
using P_SuppressionRecordFn = void (*)(P_SuppressionRecord*);
using P_SuppressionRecordDiagnosticFn = void (*)(P_SuppressionRecord*, P_Diagnostic*);
using P_NoArgFn = void (*)();

// Registries of the diagnostic clients.  Each is an ordered set of function
// pointers: registering twice changes nothing, and clients are called in
// ascending address order.  They live for the whole run.
struct M_DiagnosticClients {
  std::set<P_DiagnosticFn> diagnostic;
  std::set<P_DiagnosticSuppressedFn> suppressed;
  std::map<int, std::set<P_DiagnosticSuppressedFn>> message;
  std::set<P_DiagnosticDisabledFn> disabled;
  std::set<P_DiagnosticSubMsgFn> subMsg;
  std::set<P_DiagnosticStringParamFn> stringParam;
  std::set<P_SuppressionRecordFn> suppressionRecord;
  std::set<P_SuppressionRecordDiagnosticFn> suppressionRecordDiagnostic;
  std::set<P_NoArgFn> endDiagnostic;

  // Whether any client wants the diagnostics of error files.
  bool wantsDiagnostics() const;
};

// The process-wide registries.
M_DiagnosticClients& M_getDiagnosticClients();

void P_configureOnDiagnostic(P_DiagnosticFn fn);
void P_configureOnDiagnosticSuppressed(P_DiagnosticSuppressedFn fn);
void P_configureOnMessage(unsigned int msgNo, P_DiagnosticSuppressedFn fn);
void P_configureOnDiagnosticDisabled(P_DiagnosticDisabledFn fn);
void P_configureOnDiagnosticSubMsg(P_DiagnosticSubMsgFn fn);
void P_configureOnDiagnosticStringParam(P_DiagnosticStringParamFn fn);
void P_configureOnSuppressionRecord(P_SuppressionRecordFn fn);
void P_configureOnSuppressionRecordDiagnostic(P_SuppressionRecordDiagnosticFn fn);
void P_configureOnEndDiagnostic(P_NoArgFn fn);

// Repeat flag: whether an equal diagnostic (same main-source file, line,
// column, message number and parameter texts) was already delivered in
// this run.  The first call for a diagnostic records it and returns false.
bool M_markDiagnosticDelivered(const M_Diagnostic& diag);

// Empties every registry and the delivered set (for tests).
void M_resetDiagnosticClients();

#endif
