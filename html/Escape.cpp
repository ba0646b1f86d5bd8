#include "html/Escape.h"

namespace kxdf_html {

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: {
        // Control characters other than tab and line feed are errors in
        // HTML (a browser drops NUL, breaks the line at CR); they are
        // shown as their control pictures, U+2400 to U+241F and U+2421.
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && c != '\t' && c != '\n') || b == 0x7F) {
          out += "\xE2\x90";
          out += static_cast<char>(b == 0x7F ? 0xA1 : 0x80 + b);
        } else {
          out += c;
        }
      }
    }
  }
  return out;
}

std::string escapeCode(std::string_view text) {
  std::string out;
  size_t plain = 0;  // start of the run not yet escaped
  for (size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b >= 0x20 && b != 0x7F) || b == '\t') continue;
    out += escapeHtml(text.substr(plain, i - plain));
    // Caret notation, as editors and terminals show them: ^@ for NUL, ^[
    // for ESC, ^? for DEL; any font has these characters.
    out += "<span class=\"ctl\" title=\"U+00";
    out += "0123456789ABCDEF"[b >> 4];
    out += "0123456789ABCDEF"[b & 15];
    out += "\">^";
    out += b == 0x7F ? '?' : static_cast<char>('@' + b);
    out += "</span>";
    plain = i + 1;
  }
  return out + escapeHtml(text.substr(plain));
}

namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0.
size_t utf8SequenceLength(std::string_view text, size_t i) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  size_t len = 0;
  unsigned min = 0;
  if (b0 < 0x80) return 1;
  if (b0 >= 0xC2 && b0 <= 0xDF) { len = 2; min = 0x80; }
  else if (b0 >= 0xE0 && b0 <= 0xEF) { len = 3; min = 0x800; }
  else if (b0 >= 0xF0 && b0 <= 0xF4) { len = 4; min = 0x10000; }
  else return 0;
  if (i + len > text.size()) return 0;
  unsigned cp = b0 & (0x7F >> len);
  for (size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
  if (cp < min || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return 0;
  return len;
}

}  // namespace

std::string validUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const size_t len = utf8SequenceLength(text, i);
    if (len == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      out.append(text.substr(i, len));
      i += len;
    }
  }
  return out;
}

std::string safeFileStem(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '.' || c == '_' || c == '-';
    if (!keep) c = '_';
  }
  return out;
}

std::string shortenUtf8(std::string_view text, size_t maxChars) {
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (chars == maxChars) return std::string(text.substr(0, i)) + "\xE2\x80\xA6";
    ++chars;
  }
  return std::string(text);
}

}  // namespace kxdf_html
