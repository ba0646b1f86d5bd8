#include "model/P_OutputFile.h"

#include "intl/QL_FileStat.h"
#include "intl/QL_LocalEncoding.h"
#include "model/P_UniqueStr.h"

QL_Filename& P_OutputFile::getSource() {
  static QL_Filename source;
  return source;
}

QL_String& P_OutputFile::getOutputPath() {
  static QL_String path;
  return path;
}

void P_OutputFile::setForRun(FileList& files, const QL_String* crossModuleFile) {
  if (crossModuleFile != nullptr) {
    // The output path is the real directory of the file, as in a
    // single-file run: the report's file links then name the copies beside
    // the documents whatever the working directory of whoever opens them.
    getSource() = QL_Filename::create(QL_FileStat::getNormalisedFilename(*crossModuleFile));
    getOutputPath() = QL_FileStat::getDirectory(getSource().getQLString());
    files.emplace_back(getOutputPath(), getSource());
  } else if (!files.empty()) {
    getSource() = files.front().second;
    getOutputPath() = files.front().first;
  }
}

const char* P_getPALOutputPath(ExtendedCharEncoding encoding) {
  return P_createUniqueStr(P_OutputFile::getOutputPath().get(encoding).c_str());
}

const char* P_getPALCrossModuleFilename(ExtendedCharEncoding encoding) {
  const QL_Filename& source = P_OutputFile::getSource();
  const QL_String text = QL_String::create(source.str(), QL_getFilenameEncoding());
  return P_createUniqueStr(text.get(encoding).c_str());
}
