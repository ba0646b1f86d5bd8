#include "messages/ErrorFileReader.h"

#include <algorithm>
#include <deque>

#include "intl/QL_Filename.h"
#include "messages/M_DiagnosticClients.h"
#include "messages/M_DiagnosticOrder.h"
#include "messages/M_ErrFilename.h"
#include "messages/M_ErrorFileExceptions.h"
#include "messages/M_InputTessel.h"
#include "messages/M_Settings.h"
#include "messages/M_Suppression.h"
#include "messages/P_DiagnosticNotifiers.h"
#include "messages/P_FileOpenException.h"

namespace {

// String parameters to the string-parameter clients, sub-messages to the
// sub-message clients followed by their own parameters.
void notifyParameters(const M_DiagnosticClients& clients, P_Diagnostic& pd) {
  const M_Diagnostic& diag = *pd.diag;
  for (int i = 0; i < diag.parameters(); ++i) {
    const M_ParamType* param = diag.parameter(i).pointer();
    if (auto* list = dynamic_cast<const M_ParamMsgListType*>(param)) {
      for (const auto& sub : list->getMsgList()) {
        if (!sub.isSet()) continue;
        P_Diagnostic psub(sub);
        U_notifyClients(clients.subMsg, P_DiagnosticClient::notifyClientSubMsg{&pd, &psub});
        notifyParameters(clients, psub);
      }
    } else if (dynamic_cast<const M_ParamStringType*>(param) ||
               dynamic_cast<const M_ParamEntityType*>(param)) {
      U_String text = param->getRepresentation();
      U_notifyClients(clients.stringParam, P_DiagnosticClient::notifyClientStringParam{&pd, i, text.c_str()});
    }
  }
}

void dispatch(const M_DiagnosticClients& clients, const U_BPtr<M_Diagnostic>& diag) {
  P_Diagnostic pd(diag);
  if (!M_enabledMsg(*diag)) {
    U_String file = diag->getLocation().getFilename().str();
    U_notifyClients(clients.disabled, P_DiagnosticClient::notifyClientDisabled{diag->getMsgNo(), file.c_str()});
    return;
  }
  bool repeat = M_markDiagnosticDelivered(*diag);
  bool suppressed = diag->isHidden() || M_getSuppressions().isSuppressed(*diag);
  auto msgClients = clients.message.find(diag->getMsgNo());
  const P_DiagnosticClient::notifyClientSuppressed notifySuppressed{&pd, repeat, suppressed};
  if (msgClients != clients.message.end()) U_notifyClients(msgClients->second, notifySuppressed);
  U_notifyClients(clients.suppressed, notifySuppressed);
  if (suppressed) {
    for (const auto& rec : M_getSuppressions().suppressingRecords(*diag)) {
      P_SuppressionRecord pr(rec);
      U_notifyClients(clients.suppressionRecordDiagnostic, P_SuppressionRecordClient::notifyClientRecord{&pr, &pd});
    }
  } else {
    U_notifyClients(clients.diagnostic, P_DiagnosticClient::notifyClient{&pd, repeat});
  }
  if (!repeat && (!clients.stringParam.empty() || !clients.subMsg.empty())) notifyParameters(clients, pd);
}

}  // namespace

void ErrorFileReader::processFile(const QL_Filename& outputDirectory, const QL_Filename& sourceFile) {
  const M_DiagnosticClients& clients = M_getDiagnosticClients();
  if (!clients.wantsDiagnostics() && !M_Settings::hasDebug("always_read_errors")) return;

  U_String errName = M_formErrFilename(outputDirectory.str(), sourceFile.str());
  U_BPtr<M_InputTessel> input(new M_InputTessel());
  input->setMainSourceFile(sourceFile.getHandle());
  try {
    input->openFile(errName);
  } catch (const M_BadFileOpenException&) {
    throw P_FileOpenException(QL_Filename::create(QL_String::create(errName, eceNone)));
  }

  for (const auto& rec : input->suppressionRecords()) M_getSuppressions().add(rec);

  std::deque<U_BPtr<M_Diagnostic>> diags(input->getDiagBegin(), input->getDiagEnd());
  std::stable_sort(diags.begin(), diags.end(), M_isDiagnosticLessBySourceLine);
  diags.erase(std::unique(diags.begin(), diags.end(), M_isDiagnosticEqualBySourceLine), diags.end());
  for (const auto& diag : diags) dispatch(clients, diag);

  for (const auto& rec : input->suppressionRecords()) {
    P_SuppressionRecord pr(rec);
    U_notifyClients(clients.suppressionRecord, P_SuppressionRecordClient::notifyClient{&pr});
  }
}

void ErrorFileReader::processEnd() {
  U_notifyClients(M_getDiagnosticClients().endDiagnostic, P_NoArgClient::notifyClient{});
}
