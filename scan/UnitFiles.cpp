#include "scan/UnitFiles.h"

#include <llvm/ADT/SmallString.h>
#include <llvm/Support/FileSystem.h>
#include <llvm/Support/Path.h>

using namespace clang;

namespace kxdf_scan {

UnitFiles::UnitFiles(const SourceManager& sm, std::string directory, std::vector<std::string> recordDirs)
    : m_sm(sm), m_directory(std::move(directory)) {
  for (const std::string& dir : recordDirs) {
    std::string text = absolute(dir);
    if (!text.empty() && text.back() != '/') text += '/';
    m_recordDirs.push_back(text);
  }
}

std::string UnitFiles::absolute(llvm::StringRef path) const {
  llvm::SmallString<256> text(path);
  llvm::sys::fs::make_absolute(m_directory, text);
  llvm::sys::path::remove_dots(text, true);
  return text.str().str();
}

bool UnitFiles::underRecordDir(const std::string& path) const {
  for (const std::string& dir : m_recordDirs)
    if (path.compare(0, dir.size(), dir) == 0) return true;
  return false;
}

const FileFacts* UnitFiles::at(SourceLocation loc) {
  if (loc.isInvalid()) return nullptr;
  const SourceLocation expansion = m_sm.getExpansionLoc(loc);
  const FileID file = m_sm.getFileID(expansion);
  auto found = m_byFile.find(file.getHashValue());
  if (found != m_byFile.end()) return found->second.path.empty() ? nullptr : &found->second;
  FileFacts facts;
  if (m_sm.getFileEntryForID(file)) {
    facts.path = absolute(m_sm.getFilename(expansion));
    facts.main = file == m_sm.getMainFileID();
    facts.recorded = facts.main || m_sm.getFileCharacteristic(expansion) == SrcMgr::C_User ||
                     underRecordDir(facts.path);
  }
  auto& stored = m_byFile.emplace(file.getHashValue(), facts).first->second;
  return stored.path.empty() ? nullptr : &stored;
}

unsigned UnitFiles::line(SourceLocation loc) const { return m_sm.getExpansionLineNumber(loc); }

}  // namespace kxdf_scan
