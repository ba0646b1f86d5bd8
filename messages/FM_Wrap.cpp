#include "messages/FM_ParseInfo.h"

namespace {

// Beyond this size a text is not wrapped any further: a tiny wrap size
// with a long wrap text could otherwise multiply a long text many times.
constexpr size_t kMaxWrappedSize = 16u << 20;

// Breaks lines longer than the wrap size: hard wrap breaks before the
// character that would overflow; word wrap breaks at the last blank of the
// line's own text when there is one.  Continuation lines start with the
// wrap text.  The result is built front to back (inserting into the text
// would make long texts quadratic); the words a word wrap moves to the new
// line are read again from `carry`, so they may wrap once more.
U_String wrapLines(const U_String& text, bool wordWrap, int size, const U_String& wrapText, int tabStop) {
  const long long wrapLen = static_cast<long long>(wrapText.size());
  U_String out;
  out.reserve(text.size());
  U_String carry;         // characters to read again before the rest of text
  size_t carryPos = 0;
  size_t i = 0;           // next character of text
  size_t lineStart = 0;   // start of the current line's own text in out
  long long column = 0;
  while (carryPos < carry.size() || i < text.size()) {
    const bool fromCarry = carryPos < carry.size();
    const char c = fromCarry ? carry[carryPos] : text[i];
    size_t& next = fromCarry ? carryPos : i;
    if (c == '\n') {
      out += c;
      column = 0;
      lineStart = out.size();
      ++next;
      continue;
    }
    if (c == '\t') {
      out += c;
      column = (column / tabStop + 1) * static_cast<long long>(tabStop);
      ++next;
      continue;
    }
    if (column == 0 || size <= 0 || column < size || out.size() > kMaxWrappedSize) {
      out += c;
      ++column;
      ++next;
      continue;
    }
    size_t blank = U_String::npos;
    if (wordWrap && c == ' ') {
      blank = out.size();  // the current character itself
    } else if (wordWrap) {
      for (size_t j = out.size(); j > lineStart; --j)
        if (out[j - 1] == ' ') {
          blank = j - 1;
          break;
        }
    }
    if (blank == out.size()) {
      out += '\n';
      out += wrapText;
      lineStart = out.size();
      column = wrapLen;
      ++next;
      continue;
    }
    if (blank != U_String::npos) {
      U_String moved = out.substr(blank + 1);
      out.resize(blank);
      out += '\n';
      out += wrapText;
      lineStart = out.size();
      column = wrapLen;
      carry = moved + carry.substr(carryPos);  // the current character is not read yet
      carryPos = 0;
      continue;
    }
    out += '\n';
    out += wrapText;
    lineStart = out.size();
    // The character itself always goes on the new line, so a wrap text as
    // long as the wrap size still makes progress.
    out += c;
    column = wrapLen + 1;
    ++next;
  }
  return out;
}

}  // namespace

U_String FM_wrapText(const U_String& text, const FM_ParseInfo& info, int tabStop) {
  if (tabStop < 1) tabStop = 1;
  int size = info.getWrapSize();
  switch (info.getWrapKind()) {
    case FM_ParseInfo::WrapCut:
      return text.substr(0, size > 0 ? static_cast<size_t>(size) : 0);
    case FM_ParseInfo::WrapHard:
    case FM_ParseInfo::WrapWord:
      if (text.empty()) return text;
      return wrapLines(text, info.getWrapKind() == FM_ParseInfo::WrapWord, size, info.getWrapText(), tabStop);
    default:
      return text;
  }
}
