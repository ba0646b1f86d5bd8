#include "messages/FM_ParseInfo.h"

namespace {

// Breaks lines longer than the wrap size: hard wrap breaks before the
// character that would overflow; word wrap breaks at the last blank of the
// line's own text when there is one.  Continuation lines start with the
// wrap text.
U_String wrapLines(U_String text, bool wordWrap, int size, const U_String& wrapText, int tabStop) {
  const long long wrapLen = static_cast<long long>(wrapText.size());
  size_t lineStart = 0;  // start of the current line's own text
  long long column = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\n') {
      column = 0;
      lineStart = i + 1;
      continue;
    }
    if (c == '\t') {
      column = (column / tabStop + 1) * static_cast<long long>(tabStop);
      continue;
    }
    if (column == 0 || size <= 0 || column < size) {
      ++column;
      continue;
    }
    size_t blank = U_String::npos;
    if (wordWrap)  // the current character itself may be the blank
      for (size_t j = i + 1; j > lineStart; --j)
        if (text[j - 1] == ' ') {
          blank = j - 1;
          break;
        }
    if (blank != U_String::npos) {
      text[blank] = '\n';
      text.insert(blank + 1, wrapText);
      lineStart = blank + 1 + wrapText.size();
      column = wrapLen;
      i = lineStart - 1;  // rescan the words moved to the new line
      continue;
    }
    text.insert(i, "\n" + wrapText);
    i += 1 + wrapText.size();
    lineStart = i;
    // The character itself always goes on the new line, so a wrap text as
    // long as the wrap size still makes progress.
    column = wrapLen + 1;
  }
  return text;
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
