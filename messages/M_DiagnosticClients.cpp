#include "messages/M_DiagnosticClients.h"

#include "messages/M_DiagnosticOrder.h"

namespace {
std::set<M_SourceLineKey>& delivered() {
  static std::set<M_SourceLineKey> keys;
  return keys;
}
}  // namespace

bool M_DiagnosticClients::wantsDiagnostics() const {
  return !diagnostic.empty() || !suppressed.empty() || !message.empty() || !disabled.empty() ||
         !subMsg.empty() || !stringParam.empty() || !suppressionRecord.empty() ||
         !suppressionRecordDiagnostic.empty();
}

M_DiagnosticClients& M_getDiagnosticClients() {
  static M_DiagnosticClients clients;
  return clients;
}

void P_configureOnDiagnostic(P_DiagnosticFn fn) { M_getDiagnosticClients().diagnostic.insert(fn); }
void P_configureOnDiagnosticSuppressed(P_DiagnosticSuppressedFn fn) {
  M_getDiagnosticClients().suppressed.insert(fn);
}
void P_configureOnMessage(unsigned int msgNo, P_DiagnosticSuppressedFn fn) {
  M_getDiagnosticClients().message[static_cast<int>(msgNo)].insert(fn);
}
void P_configureOnDiagnosticDisabled(P_DiagnosticDisabledFn fn) {
  M_getDiagnosticClients().disabled.insert(fn);
}
void P_configureOnDiagnosticSubMsg(P_DiagnosticSubMsgFn fn) { M_getDiagnosticClients().subMsg.insert(fn); }
void P_configureOnDiagnosticStringParam(P_DiagnosticStringParamFn fn) {
  M_getDiagnosticClients().stringParam.insert(fn);
}
void P_configureOnSuppressionRecord(P_SuppressionRecordFn fn) {
  M_getDiagnosticClients().suppressionRecord.insert(fn);
}
void P_configureOnSuppressionRecordDiagnostic(P_SuppressionRecordDiagnosticFn fn) {
  M_getDiagnosticClients().suppressionRecordDiagnostic.insert(fn);
}
void P_configureOnEndDiagnostic(P_NoArgFn fn) { M_getDiagnosticClients().endDiagnostic.insert(fn); }

bool M_markDiagnosticDelivered(const M_Diagnostic& diag) {
  return !delivered().insert(M_getSourceLineKey(diag)).second;
}

void M_resetDiagnosticClients() {
  M_getDiagnosticClients() = M_DiagnosticClients();
  delivered().clear();
}
