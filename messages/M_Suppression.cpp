#include "messages/M_Suppression.h"

#include "messages/M_MessageTable.h"
#include "messages/M_Settings.h"

void M_Suppression::add(const U_BPtr<M_SuppressionRecord>& record) {
  if (record.isSet()) m_records.push_back(record);
}

std::vector<U_BPtr<M_SuppressionRecord>> M_Suppression::suppressingRecords(const M_Diagnostic& diag) const {
  std::vector<U_BPtr<M_SuppressionRecord>> found;
  for (const auto& r : m_records)
    if (r->suppresses(diag.getMsgNo(), diag.getLocation())) found.push_back(r);
  return found;
}

bool M_Suppression::isSuppressed(const M_Diagnostic& diag) const {
  for (const auto& r : m_records)
    if (r->suppresses(diag.getMsgNo(), diag.getLocation())) return true;
  return false;
}

M_Suppression& M_getSuppressions() {
  static M_Suppression registry;
  return registry;
}

bool M_PragmaSuppressions::isMessageSuppressed(int, const U_Location&) const { return false; }

M_PragmaSuppressions& M_getPragmaSuppressions() {
  static M_PragmaSuppressions registry;
  return registry;
}

bool M_enabledMsg(const M_Diagnostic& diag) {
  int msgNo = diag.getMsgNo();
  const auto& only = M_Settings::onlyMsgs();
  if (!only.empty() && !only.count(msgNo)) return false;
  if (M_Settings::noMsgs().count(msgNo)) return false;
  if (M_Settings::suppressedLevels().count(M_getMsgInfo(msgNo).level)) return false;
  // Hidden by the user's settings: shown only on request.  Pragma-hidden
  // diagnostics stay enabled and reach the clients as suppressed.
  if (diag.isUserHidden() && !M_Settings::hiddenWarnings()) return false;
  U_Filename file = diag.getLocation().getFilename();
  if (M_Settings::hdrSuppress() && file.isSet() && !M_Settings::isMainSourceFile(file)) return false;
  return true;
}
