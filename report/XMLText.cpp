#include "report/XMLText.h"

#include "intl/EncodingConverter.h"
#include "intl/QL_LocalEncoding.h"
#include "report/XMLEscape.h"

namespace {

// Printable 7-bit text reads the same in every encoding the run may use,
// and is what almost every text of a report is: it needs no conversion.
bool isPlainText(const U_String& text) {
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x7F || (b < 0x20 && c != '\t' && c != '\n' && c != '\r')) return false;
  }
  return true;
}

}  // namespace

U_String xmlDocumentText(const U_String& internal) {
  if (isPlainText(internal)) return internal;
  if (QL_getLocalEncoding() == eceNone) return xmlSafeUtf8(internal);
  return xmlSafeUtf8(QL_convertFromInternal(internal, eceUTF));
}

U_String xmlDocumentFilename(const U_String& name) {
  if (isPlainText(name)) return name;
  return xmlDocumentText(QL_convertToInternal(name, QL_getFilenameEncoding()));
}
