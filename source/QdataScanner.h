#ifndef SOURCE_QDATASCANNER_H
#define SOURCE_QDATASCANNER_H

#include <vector>

#include "util/U_String.h"

namespace Qdata {

// What a character of a source line is, as far as comments and literals go.
enum class CharKind : unsigned char {
  Code,
  CommentOpener,  // the two characters of "/*" or "//"
  CommentBody,
  CommentCloser,  // the two characters of "*/"
  Quote,          // the opening or closing quote of a literal
  LiteralBody,
};

// Classifies the characters of consecutive lines of one file.  The state
// (inside a block comment, a continued line comment, a string or character
// literal, a pending escape) is carried from line to line and never reset
// at a line end, so lines must be given in file order.
class CommentScanner {
 public:
  void scan(const U_String& line, std::vector<CharKind>& kinds);
  bool inBlockComment() const { return m_inBlock; }
  bool lineCommentContinues() const { return m_lineContinued; }

 private:
  void scanLiteral(char c, char quote, CharKind& kind);

  bool m_inBlock = false;
  bool m_lineContinued = false;
  bool m_inString = false;
  bool m_inChar = false;
  bool m_escape = false;
};

}  // namespace Qdata

#endif
