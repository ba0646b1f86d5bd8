#ifndef SCAN_UNITFILES_H
#define SCAN_UNITFILES_H

#include <map>
#include <string>
#include <vector>

#include <clang/Basic/SourceManager.h>

namespace kxdf_scan {

// What the records need to know of the file a location lies in.
struct FileFacts {
  std::string path;       // absolute, without `.` and `..`
  bool recorded = false;  // its declarations get DEFINE records
  bool main = false;      // the unit's main file
};

// The files of one unit, looked up by location (macro expansions count at
// the place they are used).
class UnitFiles {
 public:
  UnitFiles(const clang::SourceManager& sm, std::string directory, std::vector<std::string> recordDirs);

  // Facts of the file holding loc; nullptr for builtin or invalid locations.
  const FileFacts* at(clang::SourceLocation loc);
  // The line of loc, as the records count it.
  unsigned line(clang::SourceLocation loc) const;
  // path made absolute against the unit's directory and normalised.
  std::string absolute(llvm::StringRef path) const;

 private:
  bool underRecordDir(const std::string& path) const;

  const clang::SourceManager& m_sm;
  std::string m_directory;
  std::vector<std::string> m_recordDirs;
  std::map<unsigned, FileFacts> m_byFile;
};

}  // namespace kxdf_scan

#endif
