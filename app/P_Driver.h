#ifndef APP_P_DRIVER_H
#define APP_P_DRIVER_H

#include <utility>
#include <vector>

#include "app/QL_App.h"
#include "config/C_CmdArgs.h"
#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "messages/P_FileOpenException.h"
#include "util/U_BPtr.h"

class P_Progress;
class SymbolTable;

// The generic analysis run: which files are read, in which order, and
// what happens around the reading.
class P_DriverBase : public QL_App {
 public:
  enum AnalysisType {
    SingleFileAnalysis = 1,  // exactly one input file, no cross-module analysis file
    MultiFileAnalysis = 2    // a cross-module analysis file and at least one input file
  };
  using SetupFunction = void (*)(const U_BPtr<C_CmdArgs>&, const AnalysisType&);
  // (output directory, source file) in reading order.
  using FileEntry = std::pair<QL_String, QL_Filename>;
  using FileList = std::vector<FileEntry>;

  P_DriverBase(const char* version, SetupFunction setup);
  ~P_DriverBase() override;

  int exec() override;
  C_OrphanHandler& getOrphanHandler() override;

  virtual int exec(U_BPtr<C_CmdArgs>& cmdArgs, const C_OrphanFileHandler& orphans);
  virtual int exec(const C_OrphanFileHandler& orphans);
  // Throws C_ConfigurationException when the input files do not fit the
  // cross-module analysis option.
  virtual AnalysisType checkArguments(U_BPtr<C_CmdArgs>& cmdArgs, const C_OrphanFileHandler& orphans);
  // One entry per input file, in command-line order.
  virtual FileList getFiles(U_BPtr<C_CmdArgs> cmdArgs, const C_OrphanFileHandler& orphans,
                            AnalysisType type);
  virtual void handleReadError(const P_FileOpenException& e) = 0;
  virtual void processFile(SymbolTable& symbolTable, int& count, const FileList& files,
                           FileList::const_iterator& current);
  // Reads every entry in order; a file that cannot be opened goes to
  // handleReadError and the next entry is read.
  virtual void processFiles(SymbolTable& symbolTable, FileList files);

  const U_String& getBanner() const { return m_banner; }
  // The run's status once the end clients returned: 0, or the internal
  // error status when a call of the check interface failed on the way.
  int finalStatus() const;

 protected:
  SetupFunction getSetupFunction() const { return m_setup; }
  const C_OrphanFileHandler& getOrphanFiles() const { return m_orphans; }

 private:
  U_String m_banner;
  SetupFunction m_setup;
  C_OrphanFileHandler m_orphans;
};

// The analysis run of this program: it also records the run's output
// source and path, opens the diagnostic and metric outputs, keeps
// WORKAROUND::srcFilename current and reports unreadable files.
//
// Its getFiles takes the analysis type by reference and so hides the
// base one; callers inside P_Driver mean this one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverloaded-virtual"
class P_Driver : public P_DriverBase {
 public:
  P_Driver(const char* version, SetupFunction setup);

  using P_DriverBase::exec;
  int exec() override;
  void handleReadError(const P_FileOpenException& e) override;
  void processFile(SymbolTable& symbolTable, int& count, const FileList& files,
                   FileList::const_iterator& current) override;
  // The base list; in a multi-file run the cross-module analysis file is
  // appended last.  Fills P_OutputFile.
  virtual FileList getFiles(U_BPtr<C_CmdArgs> cmdArgs, const C_OrphanFileHandler& orphans,
                            const AnalysisType& type);

  void openOutputFiles(U_BPtr<C_CmdArgs>& cmdArgs);

 private:
  // The progress line of the running exec(), if any.
  P_Progress* m_progress = nullptr;
};
#pragma GCC diagnostic pop

// Sets up the diagnostic layer for the run: include records are read so
// that diagnostics created by a check carry their include locations.
void P_configureDiagnostics();

// P_OutputFile (the run's output source and output path) and
// WORKAROUND::srcFilename (the file being read) live with the model, which
// reads them too.
#include "model/P_CurrentSource.h"
#include "model/P_OutputFile.h"

#endif
