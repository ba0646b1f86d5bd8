#include "app/P_Driver.h"

#include <iostream>

#include "app/P_MainMsgs.h"
#include "app/P_Progress.h"
#include "config/C_Options.h"
#include "intl/QL_FileStat.h"
#include "messages/Diagnostic.h"
#include "messages/ErrorFileReader.h"
#include "messages/M_Output.h"
#include "metrics/M_Metric.h"
#include "model/M_formMetFilename.h"
#include "model/MetricFileReader.h"
#include "model/SourceFileReader.h"
#include "model/SymbolTable.h"
#include "util/U_Location.h"

P_Driver::P_Driver(const char* version, SetupFunction setup) : P_DriverBase(version, setup) {}

int P_Driver::exec() {
  U_BPtr<C_CmdArgs> cmdArgs = getCmdArgs();
  const AnalysisType type = checkArguments(cmdArgs, getOrphanFiles());
  cmdArgs->assignToGlobalOptions();
  FileList files = getFiles(cmdArgs, getOrphanFiles(), type);
  openOutputFiles(cmdArgs);
  if (getSetupFunction()) getSetupFunction()(cmdArgs, type);
  PragmaSuppressHandler::configure();
  P_configureDiagnostics();
  {
    P_Progress progress(std::cerr, files.size(), P_Progress::standardErrorWanted());
    m_progress = &progress;
    processFiles(P_getSymbolTable(), files);
    progress.writingReport();
    MetricFileReader::processEnd(P_getSymbolTable());
    m_progress = nullptr;
  }
  // Closed here, not at exit, so that a diagnostic the file could not take
  // fails the run instead of vanishing.
  M_Output::close();
  return finalStatus();
}

P_Driver::FileList P_Driver::getFiles(U_BPtr<C_CmdArgs> cmdArgs, const C_OrphanFileHandler& orphans,
                                      const AnalysisType& type) {
  FileList files = P_DriverBase::getFiles(cmdArgs, orphans, type);
  // The cross-module analysis file is read like a source, after all input
  // files, with its record file beside it.
  const QL_String& cmaf = C_getArgCrossModAnlFile(cmdArgs->getOptions()).str();
  P_OutputFile::setForRun(files, type == MultiFileAnalysis ? &cmaf : nullptr);
  return files;
}

void P_Driver::openOutputFiles(U_BPtr<C_CmdArgs>& cmdArgs) {
  const QL_String source = P_OutputFile::getSource().getQLString();
  M_Output::append(source, P_OutputFile::getOutputPath(), M_getErrorOutputFormat(cmdArgs));
  M_Metric::append(source, P_OutputFile::getOutputPath(), M_getMetricOutputFormat(cmdArgs));
}

void P_Driver::processFile(SymbolTable& symbolTable, int& count, const FileList& files,
                           FileList::const_iterator& current) {
  const QL_Filename& source = current->second;
  const QL_Filename directory = QL_Filename::create(current->first);
  WORKAROUND::srcFilename = source;
  if (m_progress != nullptr) m_progress->fileStarted(static_cast<std::size_t>(count));
  SourceFileReader::processFile(count, static_cast<int>(files.size()), source);
  // In a multi-file run the metrics gathered from the input files are
  // written out before the cross-module analysis file is read.
  if (files.size() > 1 && current + 1 == files.end()) M_Metric::flush();
  MetricFileReader::processFile(directory, source, symbolTable);
  ErrorFileReader::processFile(directory, source);
}

void P_Driver::handleReadError(const P_FileOpenException& e) {
  const QL_Filename& outputSource = P_OutputFile::getSource();
  const QL_String sourceName = outputSource.getQLString();
  // The output source's own record file may be missing: no message.
  const QL_Filename ownRecordFile =
      QL_Filename::create(M_formMetFilename(QL_FileStat::getDirectory(sourceName), sourceName));
  if (e.getFilename() == ownRecordFile) return;
  const U_Location where(outputSource.getHandle(), 1, 0);
  M_outputDiagnostic(P_MainMsgs::getFileOpenError(where, e.getFilename()));
}
