// QL_String::create for a given command line lives here because it needs
// the command line's encoding option.
#include "config/C_CmdArgs.h"
#include "intl/QL_String.h"

QL_String QL_String::create(const C_CmdArgs& cmdArgs, const U_String& text) {
  return create(text, cmdArgs.getCmdLocalEncoding());
}
