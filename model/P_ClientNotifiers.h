#ifndef MODEL_P_CLIENTNOTIFIERS_H
#define MODEL_P_CLIENTNOTIFIERS_H

#include "messages/P_DiagnosticNotifiers.h"  // P_NoArgClient
#include "util/U_NotifyClients.h"

class P_Source;
class P_Define;
class P_Symbol;
class P_Alloc;
class P_ControlGraph;

// The notifiers of the record step.  Each holds the arguments of one event
// and, applied to one registered client, calls it with them; the readers
// hand them to U_notifyClients for a whole registry.

struct P_SourceClient {
  // Returns the client's answer; the readers do not use it.
  struct notifyClient {
    P_Source* source;
    bool operator()(bool (*client)(P_Source*)) const { return client(source); }
  };
};

// Template-definition clients: a define filed only in the template table.
struct P_DefineClient {
  struct notifyClient {
    P_Define* define;
    void operator()(void (*client)(P_Define*)) const { client(define); }
  };
};

// New-symbol, project-redeclaration and definition clients.
struct P_SymbolClient {
  struct notifyClient {
    P_Symbol* symbol;
    P_Define* define;
    void operator()(void (*client)(P_Symbol*, P_Define*)) const { client(symbol, define); }
  };
};

// Allocation and control-graph records are not read by this program; the
// notifiers complete the set for checks built on the same registries.
struct P_AllocClient {
  struct notifyClient {
    P_Alloc* alloc;
    void operator()(void (*client)(P_Alloc*)) const { client(alloc); }
  };
};

struct P_ControlGraphClient {
  struct notifyClient {
    P_ControlGraph* graph;
    void operator()(void (*client)(P_ControlGraph*)) const { client(graph); }
  };
};

#endif
