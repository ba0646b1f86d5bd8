#include "messages/M_MessageTable.h"

#include <algorithm>
#include <iterator>

#include "messages/M_SubMsgs.h"

namespace {

// The message texts of this program, sorted by number.
const M_MsgInfo kMessages[] = {
    {M_MSG_FILE_OPEN_ERROR, 9, "Cannot open file '%1'.",
     "The file '%1' could not be opened for reading; its records or diagnostics are missing from the "
     "results.",
     true},
    {M_SUB_INSTANTIATED_FROM, 0, "Instantiated from here with <%1>.", "", true},
    {M_SUB_ISSUE_FOUND_HERE, 0, "Issue found here.", "", true},
    {M_SUB_EXPANDED_FROM, 0, "Expanded from macro '%1'.", "", true},
    {M_SUB_INCLUDED_FROM, 0, "Included from here.", "", true},
    {M_SUB_CALLED_FROM, 0, "Called from here.", "", true},
    {M_SUB_LOOP_DEFINITE, 0, "The loop is definitely entered here.", "", true},
    {M_SUB_RETURN_STMT_HERE, 0, "Return statement here.", "", true},
    {M_SUB_END_UNREACHABLE, 0, "The end of this block cannot be reached.", "", true},
    {M_SUB_VIABLE_PATH, 0, "A viable path passes here.", "", true},
    {M_SUB_VAR_PREV_SEEN_HERE, 0, "Variable '%1' was previously seen here.", "", true},
    {M_SUB_LABEL_STMT_HERE, 0, "Label '%1' is here.", "", true},
    {M_SUB_NEXT_SEEN_HERE, 0, "Next seen here.", "", true},
    {M_SUB_FILENAME_NOT_UNIQUE, 0, "The file name '%1' is also used here.", "", true},
    {M_SUB_REFERENCED_HERE, 0, "Referenced here.", "", true},
    {M_SUB_FUNC_CALLS_FUNC, 0, "Function '%1' calls function '%2' here.", "", true},
    {M_SUB_KIND_DECL_HERE, 0, "The %1 is declared here.", "", true},
    {M_SUB_PREV_SEEN_HERE, 0, "Previously seen here.", "", true},
    {M_SUB_CAUGHT_HERE, 0, "Caught here.", "", true},
    {M_SUB_NEXT_MODIFIED_HERE, 0, "Next modified here.", "", true},
    {M_SUB_NEXT_SET_HERE, 0, "Next set here.", "", true},
    {M_SUB_PREV_SET_HERE, 0, "Previously set here.", "", true},
    {M_SUB_MODIFIED_HERE, 0, "Modified here.", "", true},
    {M_SUB_INITIALIZED_HERE, 0, "Initialized here.", "", true},
    {M_SUB_EXCEPTION_LIST_DECLARED_HERE, 0, "The exception list of the function is declared here.", "", true},
    {M_SUB_OFFENDING_OPERAND, 0, "The offending operand is here.", "", true},
    {M_SUB_DERIVED_HERE, 0, "Derived here.", "", true},
    {M_SUB_DECLARED_IN_CLASS, 0, "Declared in class '%1'.", "", true},
    {M_SUB_DEFINED_HERE, 0, "Defined here.", "", true},
    {M_SUB_DECLARED_HERE, 0, "Declared here.", "", true},
    {M_SUB_PREVIOUSLY_DEFINED_HERE, 0, "Previously defined here.", "", true},
    {M_SUB_PREVIOUSLY_DECLARED_HERE, 0, "Previously declared here.", "", true},
};

const M_MsgInfo* find(int msgNo) {
  auto it = std::lower_bound(std::begin(kMessages), std::end(kMessages), msgNo,
                             [](const M_MsgInfo& m, int n) { return m.number < n; });
  return (it != std::end(kMessages) && it->number == msgNo) ? &*it : nullptr;
}

}  // namespace

bool M_hasMsgInfo(int msgNo) { return find(msgNo) != nullptr; }

M_MsgInfo M_getMsgInfo(int msgNo) {
  if (const M_MsgInfo* m = find(msgNo)) return *m;
  return M_MsgInfo{msgNo, 0, "Message without a known text", "", false};
}
