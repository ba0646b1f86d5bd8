#ifndef REPORT_DEFINE_NAMES_H
#define REPORT_DEFINE_NAMES_H

#include "model/PI_Interface.h"
#include "util/U_String.h"

// The texts the report derives from one definition.  Reading a name from
// the model converts it to its output form (and interns the result), and
// the template analysis compares the same names many times, so while the
// report is written each definition's texts are derived once and kept.
struct Define_Names {
  U_String qual;  // qualified name in output form
  U_String file;  // file name as the model holds it (never marker-converted)
  U_String type;  // type field as the model holds it (never marker-converted)
  int line = 0;
  // Derived on first use.
  const U_String& rendered() const;  // display name (Util::rendered_name_of)
  const U_String& pattern() const;   // qualified name as a name pattern (norm)

 private:
  mutable U_String m_rendered, m_pattern;
  mutable bool m_hasRendered = false, m_hasPattern = false;
};

namespace Util {

// The texts of def.  Inside a Define_Names_Scope they are derived once per
// definition; outside one they are derived anew on every call (the model may
// still change), and the reference stays valid until the next call for def.
const Define_Names& names(P_Define* def);

// Keeps derived names for its lifetime.  The report opens one while it
// writes the template sections, when the model no longer changes.
class Define_Names_Scope {
 public:
  Define_Names_Scope();
  ~Define_Names_Scope();
  Define_Names_Scope(const Define_Names_Scope&) = delete;
  Define_Names_Scope& operator=(const Define_Names_Scope&) = delete;
};

}  // namespace Util

#endif
