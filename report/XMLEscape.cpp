#include "report/XMLEscape.h"

#include "report/Xutil.h"

U_String escapeXmlText(const U_String& text) {
  U_String out = text;
  Xutil::Global_Replace(out, "&", "&amp;");
  Xutil::Global_Replace(out, "<", "&lt;");
  Xutil::Global_Replace(out, ">", "&gt;");
  return out;
}
