#include "messages/M_SubMsgs.h"

namespace M_SubMsgs {
namespace {
Msg make(int number, const U_Location& loc) { return Msg(new M_Diagnostic(number, loc)); }
Msg make(int number, const U_Location& loc, const U_String& a) {
  Msg m = make(number, loc);
  m->addParameter(a);
  return m;
}
}  // namespace

Msg getInstantiatedFrom(const U_Location& l, const U_String& args) { return make(M_SUB_INSTANTIATED_FROM, l, args); }
Msg getIssueFoundHere(const U_Location& l) { return make(M_SUB_ISSUE_FOUND_HERE, l); }
Msg getExpandedFrom(const U_Location& l, const U_String& macro) { return make(M_SUB_EXPANDED_FROM, l, macro); }
Msg getIncludedFrom(const U_Location& l) { return make(M_SUB_INCLUDED_FROM, l); }
Msg getCalledFrom(const U_Location& l) { return make(M_SUB_CALLED_FROM, l); }
Msg getLoopDefinite(const U_Location& l) { return make(M_SUB_LOOP_DEFINITE, l); }
Msg getReturnStmtHere(const U_Location& l) { return make(M_SUB_RETURN_STMT_HERE, l); }
Msg getEndUnreachable(const U_Location& l) { return make(M_SUB_END_UNREACHABLE, l); }
Msg getViablePath(const U_Location& l) { return make(M_SUB_VIABLE_PATH, l); }
Msg getVarPrevSeenHere(const U_Location& l, const U_String& v) { return make(M_SUB_VAR_PREV_SEEN_HERE, l, v); }
Msg getLabelStmtHere(const U_Location& l, const U_String& label) { return make(M_SUB_LABEL_STMT_HERE, l, label); }
Msg getNextSeenHere(const U_Location& l) { return make(M_SUB_NEXT_SEEN_HERE, l); }
Msg getFilenameNotUnique(const U_Location& l, const U_String& f) { return make(M_SUB_FILENAME_NOT_UNIQUE, l, f); }
Msg getReferencedHere(const U_Location& l) { return make(M_SUB_REFERENCED_HERE, l); }
Msg getFuncCallsFunc(const U_Location& l, const U_String& caller, const U_String& callee) {
  Msg m = make(M_SUB_FUNC_CALLS_FUNC, l, caller);
  m->addParameter(callee);
  return m;
}
Msg getKindDeclHere(const U_Location& l, const U_String& kind) { return make(M_SUB_KIND_DECL_HERE, l, kind); }
Msg getPrevSeenHere(const U_Location& l) { return make(M_SUB_PREV_SEEN_HERE, l); }
Msg getCaughtHere(const U_Location& l) { return make(M_SUB_CAUGHT_HERE, l); }
Msg getNextModifiedHere(const U_Location& l) { return make(M_SUB_NEXT_MODIFIED_HERE, l); }
Msg getNextSetHere(const U_Location& l) { return make(M_SUB_NEXT_SET_HERE, l); }
Msg getPrevSetHere(const U_Location& l) { return make(M_SUB_PREV_SET_HERE, l); }
Msg getModifiedHere(const U_Location& l) { return make(M_SUB_MODIFIED_HERE, l); }
Msg getInitializedHere(const U_Location& l) { return make(M_SUB_INITIALIZED_HERE, l); }
Msg getExceptionSpecDeclaredHere(const U_Location& l) { return make(M_SUB_EXCEPTION_LIST_DECLARED_HERE, l); }
Msg getOffendingOperand(const U_Location& l) { return make(M_SUB_OFFENDING_OPERAND, l); }
Msg getDerivedHere(const U_Location& l) { return make(M_SUB_DERIVED_HERE, l); }
Msg getDeclaredInClass(const U_Location& l, const U_String& c) { return make(M_SUB_DECLARED_IN_CLASS, l, c); }
Msg getDefinedHere(const U_Location& l) { return make(M_SUB_DEFINED_HERE, l); }
Msg getDeclaredHere(const U_Location& l) { return make(M_SUB_DECLARED_HERE, l); }
Msg getPreviouslyDefinedHere(const U_Location& l) { return make(M_SUB_PREVIOUSLY_DEFINED_HERE, l); }
Msg getPreviouslyDeclaredHere(const U_Location& l) { return make(M_SUB_PREVIOUSLY_DECLARED_HERE, l); }

}  // namespace M_SubMsgs

void M_getLocationSubMsgList(const U_Location& location, int flags, M_DiagnosticMsgList& list) {
  if (!location.isSet()) return;
  if ((flags & M_CTX_MACRO) && location.isFromMacro()) {
    for (const auto& e : location.getMacroHistory()->expansions)
      list.push_back(M_SubMsgs::getExpandedFrom(U_Location(e.file, e.line, e.column), e.macroName));
  }
  if (flags & M_CTX_INSTANTIATION) {
    for (U_Location l = location; l.isFromInstantiation(); l = l.getInstLocation())
      list.push_back(M_SubMsgs::getInstantiatedFrom(l.getInstLocation(), l.getInstArgs()));
  }
  if (flags & M_CTX_CALL) {
    for (U_Location l = location; l.isFromFnCall(); l = l.getFnCallLocation())
      list.push_back(M_SubMsgs::getCalledFrom(l.getFnCallLocation()));
  }
  if (flags & M_CTX_INCLUDE) {
    for (U_Location l = location; l.hasInclLocation(); l = l.getInclLocation())
      list.push_back(M_SubMsgs::getIncludedFrom(l.getInclLocation()));
  }
}
