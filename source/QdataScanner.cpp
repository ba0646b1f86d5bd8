#include "source/QdataScanner.h"

#include "source/Qparse.h"

namespace Qdata {

void CommentScanner::scanLiteral(char c, char quote, CharKind& kind) {
  if (c == quote && !m_escape) {
    kind = CharKind::Quote;
    m_inString = m_inChar = false;
    return;
  }
  kind = CharKind::LiteralBody;
  m_escape = c == '\\' ? !m_escape : false;
}

void CommentScanner::scan(const U_String& line, std::vector<CharKind>& kinds) {
  const std::size_t n = line.size();
  if (m_lineContinued) {
    kinds.assign(n, CharKind::CommentBody);
    m_lineContinued = Qparse::match_trailing_backslash_and_whitespace(line);
    return;
  }
  kinds.assign(n, CharKind::Code);
  std::size_t i = 0;
  while (i < n) {
    const char c = line[i];
    const char next = i + 1 < n ? line[i + 1] : '\0';
    if (m_inBlock) {
      if (c == '*' && next == '/') {
        kinds[i] = kinds[i + 1] = CharKind::CommentCloser;
        m_inBlock = false;
        i += 2;
        continue;
      }
      kinds[i] = CharKind::CommentBody;
    } else if (m_inString || m_inChar) {
      scanLiteral(c, m_inString ? '"' : '\'', kinds[i]);
    } else if (c == '/' && next == '*') {
      kinds[i] = kinds[i + 1] = CharKind::CommentOpener;
      m_inBlock = true;
      i += 2;
      continue;
    } else if (c == '/' && next == '/') {
      kinds[i] = kinds[i + 1] = CharKind::CommentOpener;
      for (std::size_t j = i + 2; j < n; ++j) kinds[j] = CharKind::CommentBody;
      m_lineContinued = Qparse::match_trailing_backslash_and_whitespace(line);
      return;
    } else if (c == '"' || c == '\'') {
      kinds[i] = CharKind::Quote;
      (c == '"' ? m_inString : m_inChar) = true;
      m_escape = false;
    }
    ++i;
  }
}

}  // namespace Qdata
