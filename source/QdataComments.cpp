#include "source/Qdata.h"
#include "source/QdataScanner.h"

namespace {

using Qdata::CharKind;

bool isCommentChar(CharKind k) {
  return k == CharKind::CommentOpener || k == CharKind::CommentBody || k == CharKind::CommentCloser;
}

// Collects the comments of consecutive lines of one file into tokens.
// Delimiters are always two characters, so the first character of an
// opener or closer pair is the one whose neighbour on the left is not of
// the same kind.
class CommentCollector {
 public:
  explicit CommentCollector(std::vector<Qdata::CommentToken>& out) : m_out(out) {}

  void addLine(const U_String& line, int lineNo) {
    m_scanner.scan(line, m_kinds);
    if (m_open) m_current.text.push_back('\n');
    for (std::size_t i = 0; i < line.size(); ++i) {
      const CharKind k = m_kinds[i];
      const bool secondOfPair = i > 0 && m_kinds[i - 1] == k;
      if (k == CharKind::CommentOpener && !secondOfPair) start(line, lineNo, i);
      if (m_open && isCommentChar(k)) m_current.text.push_back(line[i]);
      if (m_open && k == CharKind::CommentCloser && secondOfPair) finish(lineNo);
    }
    if (m_open && !m_current.isBlock && !m_scanner.lineCommentContinues()) finish(lineNo);
    m_lastLine = lineNo;
  }

  // An unterminated comment ends with the file.
  void end() {
    if (m_open) finish(m_lastLine);
  }

 private:
  void start(const U_String& line, int lineNo, std::size_t column) {
    m_current = Qdata::CommentToken();
    m_current.line = lineNo;
    m_current.column = static_cast<int>(column);
    m_current.isBlock = column + 1 < line.size() && line[column + 1] == '*';
    m_open = true;
  }

  void finish(int lineNo) {
    m_current.endLine = lineNo;
    m_out.push_back(m_current);
    m_open = false;
  }

  std::vector<Qdata::CommentToken>& m_out;
  Qdata::CommentScanner m_scanner;
  std::vector<CharKind> m_kinds;
  Qdata::CommentToken m_current;
  bool m_open = false;
  int m_lastLine = 0;
};

}  // namespace

namespace Qdata {

std::map<U_String, std::vector<CommentToken>>& all_files_comments() {
  static std::map<U_String, std::vector<CommentToken>> cache;
  return cache;
}

void get_comments_from_raw_source(const U_String& name, std::vector<CommentToken>& comments) {
  comments.clear();
  CommentCollector collector(comments);
  const Lines& lines = get_raw_file(name);
  for (std::size_t i = 0; i < lines.size(); ++i) collector.addLine(lines[i], static_cast<int>(i));
  collector.end();
}

const std::vector<CommentToken>& get_file_comments(const U_String& name) {
  auto& cache = all_files_comments();
  auto found = cache.find(name);
  if (found != cache.end()) return found->second;
  std::vector<CommentToken>& comments = cache[name];
  get_comments_from_raw_source(name, comments);
  return comments;
}

}  // namespace Qdata
