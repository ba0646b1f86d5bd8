// Definition accessors of the report: names are read in their output form,
// file and type fields as they are (see Define_Names for why they are kept).
#include "report/Define_Names.h"
#include "report/Util.h"

namespace Util {

int line(P_Define* def) { return names(def).line; }
U_String type(P_Define* def) { return names(def).type; }
U_String file(P_Define* def) { return names(def).file; }
U_String qual_name(P_Define* def) { return names(def).qual; }
U_String os_norm(const U_String& name) { return name; }

U_String os_file(P_Define* def) { return file(def); }
U_String rendered_name(P_Define* def) { return names(def).rendered(); }
U_String object_name(P_Define* def) { return object_name_of(rendered_name(def)); }

}  // namespace Util
