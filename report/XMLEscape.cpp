#include "report/XMLEscape.h"

#include <cstdint>

U_String escapeXmlText(const U_String& text) {
  // One pass, so the cost stays linear however many characters need an
  // entity; the result equals replacing "&", then "<", then ">".
  U_String out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

bool isAllowedAscii(unsigned char c) { return c >= 0x20 || c == '\t' || c == '\n' || c == '\r'; }

bool isXmlChar(uint32_t cp) {
  if (cp < 0x80) return isAllowedAscii(static_cast<unsigned char>(cp));
  return cp != 0xFFFE && cp != 0xFFFF;  // the decoder already refused surrogates
}

// Length of the well-formed UTF-8 sequence at `at` (its code point in cp),
// or 0 when the bytes there are not one: stray continuation bytes,
// truncated or overlong sequences, surrogates and values above U+10FFFF.
std::size_t decodeSequence(std::string_view text, std::size_t at, uint32_t& cp) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length;
  uint32_t min;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, min = 0x80, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, min = 0x800, cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, min = 0x10000, cp = lead & 0x07;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(at + i) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

U_String xmlSafeUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80 &&
         isAllowedAscii(static_cast<unsigned char>(text[i])))
    ++i;
  if (i == text.size()) return U_String(text);
  U_String out(text.substr(0, i));
  out.reserve(text.size() + 8);
  while (i < text.size()) {
    uint32_t cp = static_cast<unsigned char>(text[i]);
    const std::size_t length = cp < 0x80 ? 1 : decodeSequence(text, i, cp);
    if (length == 0 || !isXmlChar(cp)) {
      out += kReplacement;
      i += length == 0 ? 1 : length;
    } else {
      out.append(text, i, length);
      i += length;
    }
  }
  return out;
}
