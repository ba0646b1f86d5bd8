#ifndef MESSAGES_M_SUBMSGS_H
#define MESSAGES_M_SUBMSGS_H

#include "messages/M_Diagnostic.h"

// Message numbers of the standard sub-messages.
enum M_SubMsgNumber {
  M_SUB_INSTANTIATED_FROM = 1701,
  M_SUB_ISSUE_FOUND_HERE,
  M_SUB_EXPANDED_FROM,
  M_SUB_INCLUDED_FROM,
  M_SUB_CALLED_FROM,
  M_SUB_LOOP_DEFINITE,
  M_SUB_RETURN_STMT_HERE,
  M_SUB_END_UNREACHABLE,
  M_SUB_VIABLE_PATH,
  M_SUB_VAR_PREV_SEEN_HERE,
  M_SUB_LABEL_STMT_HERE,
  M_SUB_NEXT_SEEN_HERE,
  M_SUB_FILENAME_NOT_UNIQUE,
  M_SUB_REFERENCED_HERE,
  M_SUB_FUNC_CALLS_FUNC,
  M_SUB_KIND_DECL_HERE,
  M_SUB_PREV_SEEN_HERE,
  M_SUB_CAUGHT_HERE,
  M_SUB_NEXT_MODIFIED_HERE,
  M_SUB_NEXT_SET_HERE,
  M_SUB_PREV_SET_HERE,
  M_SUB_MODIFIED_HERE,
  M_SUB_INITIALIZED_HERE,
  M_SUB_EXCEPTION_LIST_DECLARED_HERE,
  M_SUB_OFFENDING_OPERAND,
  M_SUB_DERIVED_HERE,
  M_SUB_DECLARED_IN_CLASS,
  M_SUB_DEFINED_HERE,
  M_SUB_DECLARED_HERE,
  M_SUB_PREVIOUSLY_DEFINED_HERE,
  M_SUB_PREVIOUSLY_DECLARED_HERE,
};

// Factories of the standard sub-messages: each is a diagnostic at the
// location with the named values as its parameters.
namespace M_SubMsgs {
using Msg = U_BPtr<M_Diagnostic>;
Msg getInstantiatedFrom(const U_Location& loc, const U_String& templateArgs);
Msg getIssueFoundHere(const U_Location& loc);
Msg getExpandedFrom(const U_Location& loc, const U_String& macroName);
Msg getIncludedFrom(const U_Location& loc);
Msg getCalledFrom(const U_Location& loc);
Msg getLoopDefinite(const U_Location& loc);
Msg getReturnStmtHere(const U_Location& loc);
Msg getEndUnreachable(const U_Location& loc);
Msg getViablePath(const U_Location& loc);
Msg getVarPrevSeenHere(const U_Location& loc, const U_String& variable);
Msg getLabelStmtHere(const U_Location& loc, const U_String& label);
Msg getNextSeenHere(const U_Location& loc);
Msg getFilenameNotUnique(const U_Location& loc, const U_String& filename);
Msg getReferencedHere(const U_Location& loc);
Msg getFuncCallsFunc(const U_Location& loc, const U_String& caller, const U_String& callee);
Msg getKindDeclHere(const U_Location& loc, const U_String& kind);
Msg getPrevSeenHere(const U_Location& loc);
Msg getCaughtHere(const U_Location& loc);
Msg getNextModifiedHere(const U_Location& loc);
Msg getNextSetHere(const U_Location& loc);
Msg getPrevSetHere(const U_Location& loc);
Msg getModifiedHere(const U_Location& loc);
Msg getInitializedHere(const U_Location& loc);
Msg getExceptionSpecDeclaredHere(const U_Location& loc);
Msg getOffendingOperand(const U_Location& loc);
Msg getDerivedHere(const U_Location& loc);
Msg getDeclaredInClass(const U_Location& loc, const U_String& className);
Msg getDefinedHere(const U_Location& loc);
Msg getDeclaredHere(const U_Location& loc);
Msg getPreviouslyDefinedHere(const U_Location& loc);
Msg getPreviouslyDeclaredHere(const U_Location& loc);
}  // namespace M_SubMsgs

// Which context M_getLocationSubMsgList describes.
enum M_LocationContext {
  M_CTX_INCLUDE = 1,
  M_CTX_INSTANTIATION = 2,
  M_CTX_MACRO = 4,
  M_CTX_CALL = 16,
  M_CTX_ALL = M_CTX_INCLUDE | M_CTX_INSTANTIATION | M_CTX_MACRO | M_CTX_CALL,
};

// Appends to LIST the sub-messages for the include chain (outermost last),
// the instantiation chain, the macro expansions (innermost first) and the
// call chain of LOCATION, as FLAGS selects.
void M_getLocationSubMsgList(const U_Location& location, int flags, M_DiagnosticMsgList& list);

#endif
