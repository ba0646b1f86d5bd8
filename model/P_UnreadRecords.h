#ifndef MODEL_P_UNREADRECORDS_H
#define MODEL_P_UNREADRECORDS_H

#include <map>
#include <set>
#include <vector>

#include "util/U_BPtr.h"
#include "util/U_Ref.h"
#include "util/U_XPtr.h"

class P_Symbol;

// Record kinds whose bodies this program does not read: literals ("LIT"),
// allocations ("ALLOC"), extern variables ("EXTV") and control graphs
// ("CTLG", "CTLGN").  The types exist so that the check interface is
// complete; no handler creates them, so their containers stay empty, their
// clients are never called, and a check that somehow holds one gets neutral
// answers (0 and null) from the accessors.

class P_Literal : public U_Ref {};
class P_Alloc : public U_Ref {};
class P_ExternVar : public U_Ref {};
class P_ControlGraphEdge : public U_Ref {};

class P_ControlGraph : public U_Ref {
 public:
  std::vector<U_XPtr<P_ControlGraphEdge>> edges;
  std::vector<int> lines;
};

// Literals in a stable order; all literals compare equal, which is sound
// for a container nothing fills.
struct CompareLiteralHanLess {
  bool operator()(const U_BPtr<P_Literal>&, const U_BPtr<P_Literal>&) const { return false; }
};

using P_LiteralCont = std::set<U_BPtr<P_Literal>, CompareLiteralHanLess>;
using P_ExternVarCont = std::multimap<const char*, U_XPtr<P_ExternVar>>;

// The process-wide stores of the literal and extern-variable records.
P_LiteralCont& P_getLiteralCont();
P_ExternVarCont& P_getExternVarCont();

#endif
