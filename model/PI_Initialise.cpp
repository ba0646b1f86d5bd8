// Library mode: a check that is not run by the generator's driver reads the
// analyser's record files itself through PI_Initialise, after registering
// its clients.
#include <iostream>
#include <vector>

#include "config/C_CmdArgs.h"
#include "config/C_Options.h"
#include "intl/QL_Filename.h"
#include "messages/P_FileOpenException.h"
#include "metrics/M_Metric.h"
#include "model/MetricFileReader.h"
#include "model/PI_Interface.h"
#include "model/P_OutputFile.h"
#include "model/SourceFileReader.h"
#include "model/SymbolTable.h"
#include "util/U_Exception.h"

namespace {

using FileList = P_OutputFile::FileList;

// The input files in command-line order and, for a multi-file run, the
// cross-module analysis file last, read from its own directory.  Records
// the run's output source and path as the driver does.
FileList collectFiles(const C_CmdArgs& cmdArgs, const C_OrphanFileHandler& orphans) {
  FileList files;
  for (auto it = orphans.begin(); it != orphans.end(); ++it) {
    files.emplace_back((*it)->second, (*it)->first);
  }
  const auto& cmafOption = C_getArgCrossModAnlFile(cmdArgs.getOptions());
  const bool hasCmaf = cmafOption.isSet() && !cmafOption.str().empty();
  P_OutputFile::setForRun(files, hasCmaf ? &cmafOption.str() : nullptr);
  return files;
}

// Reads every file's records; a missing record file is reported and the
// next file is read.
void readFiles(const FileList& files) {
  SymbolTable& table = P_getSymbolTable();
  const int total = static_cast<int>(files.size());
  SourceFileReader::setup();
  for (int i = 0; i < total; ++i) {
    const QL_Filename& source = files[i].second;
    SourceFileReader::processFile(i + 1, total, source);
    if (total > 1 && i + 1 == total) M_Metric::flush();
    try {
      MetricFileReader::processFile(QL_Filename::create(files[i].first), source, table);
    } catch (const P_FileOpenException& e) {
      std::cerr << "Cannot open record file '" << e.getFilename().str() << "'." << std::endl;
    }
    SourceFileReader::cleanup();
  }
  MetricFileReader::processEnd(table);
}

}  // namespace

int PI_Initialise(char const* name, char const* via) {
  if (name == nullptr || via == nullptr) return 0;
  try {
    // The words after the product, as the generator's own command line has
    // them: the argument file names the options and the input files.
    const char* words[] = {"-via", via};
    U_BPtr<C_CmdArgs> cmdArgs(new C_CmdArgs(name, 2, words));
    if (!cmdArgs->isValidProduct()) return 0;
    C_OrphanFileHandler orphans;
    cmdArgs->process(orphans);
    cmdArgs->assignToGlobalOptions();
    const FileList files = collectFiles(*cmdArgs, orphans);
    // Nothing to analyse: the end clients would only see an empty model.
    if (files.empty()) return 0;
    readFiles(files);
    return 1;
  } catch (const std::exception& e) {
    // No exception may cross into a check written in C.
    std::cerr << e.what() << std::endl;
    return 0;
  }
}
