#include "model/P_UnreadRecords.h"

P_LiteralCont& P_getLiteralCont() {
  static P_LiteralCont cont;
  return cont;
}

P_ExternVarCont& P_getExternVarCont() {
  static P_ExternVarCont cont;
  return cont;
}
