#ifndef MESSAGES_P_DIAGNOSTICNOTIFIERS_H
#define MESSAGES_P_DIAGNOSTICNOTIFIERS_H

#include "messages/M_DiagnosticClients.h"
#include "util/U_NotifyClients.h"

// The notifiers of the diagnostic step.  Each holds the arguments of one
// event and, applied to one registered client, calls it with them; the
// error-file reader hands them to U_notifyClients for a whole registry.

// Clients without arguments (end of diagnostics, end of sources, end of
// analysis).
struct P_NoArgClient {
  struct notifyClient {
    void operator()(P_NoArgFn client) const { client(); }
  };
};

struct P_DiagnosticClient {
  struct notifyClient {
    P_Diagnostic* diagnostic;
    bool repeat;
    void operator()(P_DiagnosticFn client) const { client(diagnostic, repeat); }
  };
  struct notifyClientSuppressed {
    P_Diagnostic* diagnostic;
    bool repeat;
    bool suppressed;
    void operator()(P_DiagnosticSuppressedFn client) const { client(diagnostic, repeat, suppressed); }
  };
  struct notifyClientStringParam {
    P_Diagnostic* diagnostic;
    int index;
    const char* text;
    void operator()(P_DiagnosticStringParamFn client) const { client(diagnostic, index, text); }
  };
  struct notifyClientSubMsg {
    P_Diagnostic* diagnostic;
    P_Diagnostic* sub;
    void operator()(P_DiagnosticSubMsgFn client) const { client(diagnostic, sub); }
  };
  struct notifyClientDisabled {
    int msgNo;
    const char* file;
    void operator()(P_DiagnosticDisabledFn client) const { client(msgNo, file); }
  };
};

struct P_SuppressionRecordClient {
  struct notifyClient {
    P_SuppressionRecord* record;
    void operator()(P_SuppressionRecordFn client) const { client(record); }
  };
  // A record together with a diagnostic it suppresses.
  struct notifyClientRecord {
    P_SuppressionRecord* record;
    P_Diagnostic* diagnostic;
    void operator()(P_SuppressionRecordDiagnosticFn client) const { client(record, diagnostic); }
  };
};

#endif
