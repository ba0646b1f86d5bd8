#ifndef HTML_SOURCECOPIES_H
#define HTML_SOURCECOPIES_H

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kxdf_html {

// A line-numbered source copy found beside the report documents.
struct SourceCopy {
  std::string sourceName;          // the source file name its header names
  std::string copyName;            // its file name in the report directory
  std::string pageName;            // its page in the HTML directory
  std::vector<std::string> lines;  // the source lines, numbers stripped, valid UTF-8
};

// Parses the text of a numbered copy: a header of the source name, a line
// of stars as long as the name and an empty line, then "N: text" lines
// with right-aligned numbers.  Gives nothing for any other text.
std::optional<SourceCopy> parseSourceCopy(const std::string& content);

// The numbered copies of a report directory, with lookups by the name the
// report uses for a file.
class SourceCopies {
 public:
  // Reads every "*.txt" file of reportDir that is a numbered copy and
  // gives each a page name of its own.  Only regular files are read (a
  // symbolic link to one is followed); "*.txt" entries that are not
  // numbered copies are passed over.
  static SourceCopies load(const std::string& reportDir);
  // Adds one copy; its page name is made here from its copy name (else
  // its source name), numbered when another copy has the same one.
  void add(SourceCopy copy);

  // The copy for a file link: by the source name, else by the last
  // component of the link target.  Null when neither is known.
  const SourceCopy* find(const std::string& sourceName, const std::string& href = "") const;
  // Every copy, ordered by source name, then page name.
  std::vector<const SourceCopy*> all() const;
  // One line for each "*.txt" entry that load could not read (not a
  // regular file, unreadable), or for a listing that failed, naming the
  // path and why.
  const std::vector<std::string>& skipped() const;

  // The largest numbered copy read; its page takes some ten times its
  // size while it is made.
  static constexpr size_t kMaxCopyBytes = size_t{256} << 20;
  // The longest page name stem; longer ones are cut (clashes still get
  // numbered).
  static constexpr size_t kMaxPageStem = 200;

 private:
  std::vector<SourceCopy> m_copies;
  std::map<std::string, size_t> m_bySource;
  std::map<std::string, size_t> m_byCopyName;
  std::set<std::string> m_pageNames;
  std::map<std::string, int> m_lastNumber;  // by page stem, the last clash number taken
  std::vector<std::string> m_skipped;
};

}  // namespace kxdf_html

#endif
