#include "config/C_CmdArgs.h"
#include "config/C_ProductConfigs.h"
#include "intl/QL_FileStat.h"

// The output directory is the one in force when the file's word is read;
// a file named again keeps its first directory and position.
void C_OrphanFileHandler::handleArg(C_CmdArgs& cmdArgs, const U_String& word) {
  const QL_Filename file = QL_Filename::create(QL_String::create(word, eceEUC));
  C_addMainSourceFile(file.getHandle());
  QL_String directory = C_getArgOutPath(cmdArgs.getOptions()).str();
  if (directory.empty()) directory = C_ProductConfigs::getOutputPath(cmdArgs);
  auto inserted = m_files.emplace(file, resolveDirectory(directory));
  if (inserted.second) m_order.push_back(inserted.first);
}

const QL_String& C_OrphanFileHandler::resolveDirectory(const QL_String& directory) {
  if (m_lastResolved.empty() || directory != m_lastDirectory) {
    m_lastDirectory = directory;
    m_lastResolved = QL_FileStat::getRealPath(directory);
  }
  return m_lastResolved;
}
