#include "app/P_Driver.h"

#include "config/C_Exceptions.h"
#include "config/C_Options.h"
#include "intl/QL_FileStat.h"
#include "messages/Diagnostic.h"
#include "messages/ErrorFileReader.h"
#include "model/IncludeHandler.h"
#include "model/MetricFileReader.h"
#include "model/PI_Guard.h"
#include "model/SourceFileReader.h"
#include "model/SymbolTable.h"
#include "util/U_FileStat.h"

namespace {

// Every combination error ends the run with the usage text and status 10.
[[noreturn]] void failArguments(const U_String& message) {
  throw C_ConfigurationException(message + "\n\n");
}

// The report is written beside the cross-module analysis file, which need
// not exist yet; a directory or a device there ("-cmaf /dev/null") would
// put the report in its parent directory or in /dev.
void checkCrossModuleFile(const QL_String& name) {
  const U_String os = QL_FileStat::toOS(name);
  if (U_FileStat::exists(os) && !U_FileStat::isRegularFile(os))
    failArguments("ERROR: CrossModuleAnalysisFile (cmaf) must name a regular file: " + os);
}

}  // namespace

void P_configureDiagnostics() {
  // Diagnostics a check creates get the location of the #include that
  // brought their file in, so the include records must be read.
  P_configureNeedRelationInclude();
  Diagnostic::configure(P_getIncludeLocation);
}

int P_DriverBase::finalStatus() const {
  // A check's call of the interface that failed was reported and answered
  // neutrally so that the check could go on; the run still failed.
  return P_interfaceFailureCount() == 0 ? 0 : getUtilExceptionError();
}

P_DriverBase::P_DriverBase(const char* version, SetupFunction setup)
    : QL_App(version), m_banner(version ? version : ""), m_setup(setup) {}

P_DriverBase::~P_DriverBase() = default;

int P_DriverBase::exec() { return exec(m_orphans); }

C_OrphanHandler& P_DriverBase::getOrphanHandler() { return m_orphans; }

int P_DriverBase::exec(U_BPtr<C_CmdArgs>& cmdArgs, const C_OrphanFileHandler& orphans) {
  setCmdArgs(cmdArgs);
  return exec(orphans);
}

int P_DriverBase::exec(const C_OrphanFileHandler& orphans) {
  U_BPtr<C_CmdArgs> cmdArgs = getCmdArgs();
  cmdArgs->assignToGlobalOptions();
  const AnalysisType type = checkArguments(cmdArgs, orphans);
  FileList files = P_DriverBase::getFiles(cmdArgs, orphans, type);
  if (m_setup) m_setup(cmdArgs, type);
  PragmaSuppressHandler::configure();
  P_configureDiagnostics();
  processFiles(P_getSymbolTable(), files);
  MetricFileReader::processEnd(P_getSymbolTable());
  return finalStatus();
}

P_DriverBase::AnalysisType P_DriverBase::checkArguments(U_BPtr<C_CmdArgs>& cmdArgs,
                                                        const C_OrphanFileHandler& orphans) {
  const auto& cmaf = C_getArgCrossModAnlFile(cmdArgs->getOptions());
  if (cmaf.isSet()) {
    if (orphans.size() == 0) failArguments("ERROR: Multi file analysis requires at least one input file.");
    if (cmaf.str().empty()) failArguments("ERROR: CrossModuleAnalysisFile (cmaf) must specify a filename");
    checkCrossModuleFile(cmaf.str());
    return MultiFileAnalysis;
  }
  if (orphans.size() != 1) failArguments("ERROR: Single file analysis must have exactly one input file.");
  return SingleFileAnalysis;
}

P_DriverBase::FileList P_DriverBase::getFiles(U_BPtr<C_CmdArgs> /*cmdArgs*/,
                                              const C_OrphanFileHandler& orphans,
                                              AnalysisType /*type*/) {
  FileList files;
  files.reserve(orphans.size());
  for (auto it = orphans.begin(); it != orphans.end(); ++it) files.emplace_back((*it)->second, (*it)->first);
  return files;
}

void P_DriverBase::processFile(SymbolTable& symbolTable, int& count, const FileList& files,
                               FileList::const_iterator& current) {
  const QL_Filename& source = current->second;
  const QL_Filename directory = QL_Filename::create(current->first);
  SourceFileReader::processFile(count, static_cast<int>(files.size()), source);
  MetricFileReader::processFile(directory, source, symbolTable);
  ErrorFileReader::processFile(directory, source);
}

void P_DriverBase::processFiles(SymbolTable& symbolTable, FileList files) {
  if (files.empty()) return;
  SourceFileReader::setup();
  int count = 0;
  for (FileList::const_iterator current = files.begin(); current != files.end(); ++current) {
    ++count;
    try {
      processFile(symbolTable, count, files, current);
    } catch (const P_FileOpenException& e) {
      handleReadError(e);
    }
  }
  SourceFileReader::cleanup();
}
