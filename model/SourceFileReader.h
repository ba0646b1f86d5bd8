#ifndef MODEL_SOURCEFILEREADER_H
#define MODEL_SOURCEFILEREADER_H

#include <vector>

#include "util/U_BPtr.h"
#include "util/U_Ref.h"

class FilenameProxy;
class QL_Filename;

// One analysed source file as announced to the source clients: its place in
// the run (1-based), the number of files in the run, and the file.
class P_Source : public U_Ref {
 public:
  P_Source(int count, int total, const U_BPtr<FilenameProxy>& file);
  ~P_Source() override;

  int getFileCnt() const { return m_count; }
  int getFileTotal() const { return m_total; }
  const U_BPtr<FilenameProxy>& getFilename() const { return m_file; }

 private:
  int m_count;
  int m_total;
  U_BPtr<FilenameProxy> m_file;
};

// Announces every analysed source file to the registered source clients
// before its records are read, and keeps the optional source log (debug
// keywords "log" and "log-file=PATH").
class SourceFileReader {
 public:
  using SourceClient = bool (*)(P_Source*);
  using EndClient = void (*)();

  // Opens the source log when the debug keywords ask for it.
  static void setup();
  // Creates the source, logs it, and when at least one source client is
  // registered keeps it and calls every client with it.
  static void processFile(int count, int total, const QL_Filename& file);
  // Closes an active source log.
  static void cleanup();

  static void configure(SourceClient client);
  static void configureOnEnd(EndClient client);
  // Calls the end-of-sources clients (the program's driver does not).
  static void processEnd();

  // The sources announced so far, in announcement order.
  static const std::vector<U_BPtr<P_Source>>& getSources();

  // Forgets every client and every kept source, as at the start of a run.
  // A run never needs it; tests that share one process do.
  static void reset();
};

void P_configureOnSource(bool (*client)(P_Source*));
void P_configureOnEndSources(void (*client)());

// Absolute path of the source's file.  Asserts on a null source.
const char* P_getSourceFilename(P_Source* src);
// True when the source is the run's output source (the cross-module
// analysis file of a multi-file run, else the single input file).
bool P_isSourceCrossModuleFilename(P_Source* src);

#endif
