#ifndef MESSAGES_M_INPUTTESSEL_H
#define MESSAGES_M_INPUTTESSEL_H

#include <memory>
#include <vector>

#include "messages/M_Diagnostic.h"
#include "messages/M_SuppressionRecord.h"
#include "messages/R_Binary.h"
#include "util/U_Ref.h"

class QL_String;

// Reads one error file, in either format, into its lists of diagnostics and
// suppression records.
class M_InputTessel : public U_Ref {
 public:
  using DiagList = std::vector<U_BPtr<M_Diagnostic>>;
  using SuppList = std::vector<U_BPtr<M_SuppressionRecord>>;

  // Reads the whole file.  Throws M_BadFileOpenException when it cannot be
  // opened, M_BadErrorFileVersion for an unknown format id (after a line on
  // standard error), and the record exceptions for corrupt contents.
  void openFile(const U_String& name);
  // The error file of SOURCE in DIRECTORY (default: the product's output path).
  void openForSourceFile(const QL_String& source);
  void openForSourceFile(const QL_String& source, const QL_String& directory);
  void openForSourceFileWithErrorFile(const QL_String& source, const QL_String& errorFile);

  int32_t getFormatId() const { return m_formatId; }
  int32_t getVersion() const { return m_version; }
  DiagList::const_iterator getDiagBegin() const { return m_diags.begin(); }
  DiagList::const_iterator getDiagEnd() const { return m_diags.end(); }
  SuppList::const_iterator getSuppBegin() const { return m_supps.begin(); }
  SuppList::const_iterator getSuppEnd() const { return m_supps.end(); }
  const DiagList& diagnostics() const { return m_diags; }
  const SuppList& suppressionRecords() const { return m_supps; }
  // The current file of the older format (set by its file-change records).
  const U_Filename& getCurrentFilename() const { return m_currentFile; }
  // The main source file that included files of the older format belong
  // to (its records do not name it); set by openForSourceFile.
  void setMainSourceFile(const U_Filename& file) { m_mainSourceFile = file; }

 private:
  void readRecords();
  void readCurrentRecord();
  void readOlderRecord();
  void readSessionStart();
  void readFileChange();
  void readMessage_0();
  void readMessage_1();
  void readMessage_2();
  U_Location olderLocation(int32_t mainLine, int32_t inclLine, int32_t column) const;
  void readOlderParams(M_Diagnostic& diag);

  std::unique_ptr<R_Reader> m_reader;
  int32_t m_formatId = 0;
  int32_t m_version = 0;
  DiagList m_diags;
  SuppList m_supps;
  U_Filename m_currentFile;
  U_Filename m_mainSourceFile;
};

#endif
