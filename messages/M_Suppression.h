#ifndef MESSAGES_M_SUPPRESSION_H
#define MESSAGES_M_SUPPRESSION_H

#include <vector>

#include "messages/M_Diagnostic.h"
#include "messages/M_SuppressionRecord.h"
#include "util/U_BPtr.h"

// The suppression records read from the error files of the run.
class M_Suppression {
 public:
  void add(const U_BPtr<M_SuppressionRecord>& record);
  // The records that silence the diagnostic, in the order they were read.
  std::vector<U_BPtr<M_SuppressionRecord>> suppressingRecords(const M_Diagnostic& diag) const;
  bool isSuppressed(const M_Diagnostic& diag) const;
  void clear() { m_records.clear(); }
  size_t size() const { return m_records.size(); }

 private:
  std::vector<U_BPtr<M_SuppressionRecord>> m_records;
};
M_Suppression& M_getSuppressions();

// Pragma suppressions of the analysed sources.  Nothing fills it in this
// program, so it never suppresses anything.
class M_PragmaSuppressions {
 public:
  bool isMessageSuppressed(int msgNo, const U_Location& location) const;
};
M_PragmaSuppressions& M_getPragmaSuppressions();

// Whether a diagnostic read from an error file is enabled under the
// options only, nomsg, suppresslvl, hdrsuppress and hiddenwarnings.
bool M_enabledMsg(const M_Diagnostic& diag);

#endif
