#include "source/Qdata.h"
#include "source/QdataScanner.h"

namespace {

bool blankComment(Qdata::CharKind k) { return k == Qdata::CharKind::CommentBody; }
bool blankCommentOrLiteral(Qdata::CharKind k) {
  return k == Qdata::CharKind::CommentBody || k == Qdata::CharKind::LiteralBody;
}

// Replaces by a space every character whose kind `blank` selects; the
// delimiters and quotes themselves stay.
void blankLines(Qdata::Lines& lines, bool (*blank)(Qdata::CharKind)) {
  Qdata::CommentScanner scanner;
  std::vector<Qdata::CharKind> kinds;
  for (U_String& line : lines) {
    scanner.scan(line, kinds);
    for (std::size_t i = 0; i < line.size(); ++i)
      if (blank(kinds[i])) line[i] = ' ';
  }
}

}  // namespace

namespace Qdata {

void clean_comments(Lines* lines) {
  if (lines) blankLines(*lines, blankCommentOrLiteral);
}

void clean_comments_not_strings(Lines* lines) {
  if (lines) blankLines(*lines, blankComment);
}

U_String clean_comments_from_line(const U_String& line) {
  Lines one{line};
  blankLines(one, blankCommentOrLiteral);
  return one.front();
}

}  // namespace Qdata
