// Definition accessors of the report: every text the model holds is read in
// its output form.
#include "report/Util.h"

namespace Util {

namespace {
U_String output_string(const char* internal) {
  if (internal == nullptr) return U_String();
  const char* text = PI_getOutputString(internal);
  return text ? U_String(text) : U_String();
}
}  // namespace

int line(P_Define* def) { return PI_getDefineLine(def); }
U_String type(P_Define* def) { return output_string(PI_getDefineType(def)); }
U_String file(P_Define* def) { return output_string(PI_getDefineFilename(def)); }
U_String qual_name(P_Define* def) { return output_string(PI_getDefineQualName(def)); }
U_String os_norm(const U_String& name) { return name; }

U_String os_file(P_Define* def) { return file(def); }
U_String rendered_name(P_Define* def) { return rendered_name_of(qual_name(def)); }
U_String object_name(P_Define* def) { return object_name_of(rendered_name(def)); }

}  // namespace Util
