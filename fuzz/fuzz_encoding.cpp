// The encoding converter, both ways, for every encoding.  Conversion
// never fails; text converted to UTF-8 is valid UTF-8; and text that has
// been through the internal encoding and UTF-8 once comes back unchanged
// from a second round trip.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "intl/EncodingConverter.h"

namespace {

constexpr ExtendedCharEncoding kEncodings[] = {eceNone,   eceEUC,    eceSJIS, eceOldJIS,
                                               eceNewJIS, eceNECJIS, eceUTF,  eceInvalid};

// Length of the UTF-8 sequence starting at s[i], or 0 when it is not a
// well-formed one (overlong forms and surrogates included).
size_t utf8Sequence(std::string_view s, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) return 1;
  size_t length;
  uint32_t code;
  if (c >= 0xC2 && c <= 0xDF) length = 2, code = c & 0x1F;
  else if (c >= 0xE0 && c <= 0xEF) length = 3, code = c & 0x0F;
  else if (c >= 0xF0 && c <= 0xF4) length = 4, code = c & 0x07;
  else return 0;
  if (i + length > s.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

bool isUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const size_t length = utf8Sequence(s, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const ExtendedCharEncoding encoding = kEncodings[data[0] % std::size(kEncodings)];
  const U_String text(fuzz::asText(data + 1, size - 1));

  const U_String internal = QL_convertToInternal(text, encoding);
  QL_convertFromInternal(text, encoding);
  FUZZ_CHECK(isUtf8(QL_convertFromInternal(text, eceUTF)));
  const U_String utf8 = QL_convertFromInternal(internal, eceUTF);
  FUZZ_CHECK(isUtf8(utf8));

  const U_String once = QL_convertToInternal(utf8, eceUTF);
  const U_String twice = QL_convertToInternal(QL_convertFromInternal(once, eceUTF), eceUTF);
  FUZZ_CHECK(twice == once);
  return 0;
}
