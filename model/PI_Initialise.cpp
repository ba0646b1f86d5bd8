// Library mode: a check that is not run by the generator's driver reads the
// analyser's record files itself through PI_Initialise, after registering
// its clients.  The model is one per process: a second run is refused.
#include <iostream>
#include <vector>

#include "config/C_CmdArgs.h"
#include "config/C_Options.h"
#include "intl/QL_Filename.h"
#include "messages/M_Output.h"
#include "messages/P_FileOpenException.h"
#include "metrics/M_Metric.h"
#include "model/MetricFileReader.h"
#include "model/PI_Guard.h"
#include "model/PI_Interface.h"
#include "model/P_OutputFile.h"
#include "model/SourceFileReader.h"
#include "model/SymbolTable.h"

namespace {

using FileList = P_OutputFile::FileList;

// Set once a run has begun reading: the model, the registries' effects and
// the global options are then this run's for the rest of the process.
bool& runStarted() {
  static bool started = false;
  return started;
}

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

// A check's diagnostics (PI_warn) go where the debug keywords say, as in
// the generator, except that without one they go to standard output: a
// check run by hand should not append to the analyser's error files unless
// asked to ("ktloutput", "tessel2output").
M_IOFormat::Type libraryOutputFormat(const C_CmdArgs& cmdArgs) {
  const M_IOFormat::Type form = M_getErrorOutputFormat(cmdArgs);
  if (form != M_IOFormat::Tessel2 || C_hasDebug(cmdArgs.getOptions(), "tessel2output")) return form;
  return M_IOFormat::Format;
}

void openDiagnosticOutput(const C_CmdArgs& cmdArgs) {
  M_Output::append(P_OutputFile::getSource().getQLString(), P_OutputFile::getOutputPath(),
                   libraryOutputFormat(cmdArgs));
}

// Reads every file's records; a missing record file is reported and the
// next file is read.  Returns how many record files were read.
int readFiles(const FileList& files) {
  SymbolTable& table = P_getSymbolTable();
  const int total = static_cast<int>(files.size());
  int read = 0;
  SourceFileReader::setup();
  for (int i = 0; i < total; ++i) {
    const QL_Filename& source = files[i].second;
    SourceFileReader::processFile(i + 1, total, source);
    if (total > 1 && i + 1 == total) M_Metric::flush();
    try {
      MetricFileReader::processFile(QL_Filename::create(files[i].first), source, table);
      ++read;
    } catch (const P_FileOpenException& e) {
      std::cerr << "Cannot open record file '" << e.getFilename().str() << "'." << std::endl;
    }
    SourceFileReader::cleanup();
  }
  return read;
}

int initialise(char const* name, char const* via) {
  if (name == nullptr || via == nullptr) return 0;
  if (runStarted()) {
    std::cerr << "PI_Initialise: refused: this process has already read a model, and a second "
                 "run would mix with it; use one process per run."
              << std::endl;
    return 0;
  }
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
  if (files.empty()) {
    std::cerr << "PI_Initialise: the command line names no file to analyse." << std::endl;
    return 0;
  }
  runStarted() = true;
  openDiagnosticOutput(*cmdArgs);
  if (readFiles(files) == 0) {
    std::cerr << "PI_Initialise: no record file could be read; the end clients were not called."
              << std::endl;
    return 0;
  }
  MetricFileReader::processEnd(P_getSymbolTable());
  return 1;
}

}  // namespace

// Whatever stops the run (a rejected command line, a failed assertion, a
// client's exception) is reported with its cause and answered with 0.
int PI_Initialise(char const* name, char const* via) {
  return PI_GUARDED(0, initialise(name, via));
}
