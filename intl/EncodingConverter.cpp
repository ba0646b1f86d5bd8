#include "intl/EncodingConverter.h"

#include <QByteArray>
#include <QString>
#include <QTextCodec>

namespace {

// The codec that reads and writes an encoding, or null for the identity.
QTextCodec* codecFor(ExtendedCharEncoding encoding) {
  switch (encoding) {
    case eceSJIS:
      return QTextCodec::codecForName("Shift_JIS");
    case eceOldJIS:
    case eceNewJIS:
    case eceNECJIS:
      return QTextCodec::codecForName("ISO-2022-JP");
    case eceUTF:
      return QTextCodec::codecForName("UTF-8");
    default:
      return nullptr;
  }
}

QTextCodec* internalCodec() {
  static QTextCodec* codec = QTextCodec::codecForName("EUC-JP");
  return codec;
}

// Plain 7-bit text without escape characters reads the same in every
// supported encoding; it is by far the most common input (record files).
bool isPlainAscii(const U_String& text) {
  for (unsigned char c : text)
    if (c >= 0x80 || c == 0x1b || c == 0x0e || c == 0x0f) return false;
  return true;
}

U_String recode(const U_String& text, QTextCodec* from, QTextCodec* to) {
  if (from == nullptr || to == nullptr) return text;
  QTextCodec::ConverterState state(QTextCodec::ConvertInvalidToNull);
  QString unicode = from->toUnicode(text.data(), static_cast<int>(text.size()), &state);
  // Invalid input decodes to U+0000 under ConvertInvalidToNull: show it as '?'.
  unicode.replace(QChar(0), QChar('?'));
  if (to != codecFor(eceUTF)) unicode.replace(QChar(0xFFFD), QChar('?'));
  QByteArray bytes = to->fromUnicode(unicode);
  return U_String(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

U_String QL_convertToInternal(const U_String& text, ExtendedCharEncoding from) {
  if (isPlainAscii(text)) return text;
  return recode(text, codecFor(from), internalCodec());
}

U_String QL_convertFromInternal(const U_String& text, ExtendedCharEncoding to) {
  if (isPlainAscii(text)) return text;
  return recode(text, internalCodec(), codecFor(to));
}
