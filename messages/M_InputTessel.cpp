#include "messages/M_InputTessel.h"

#include <iostream>

#include "intl/QL_FileStat.h"
#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "messages/M_ErrFileFormat.h"
#include "messages/M_ErrFileRecords.h"
#include "messages/M_ErrFilename.h"
#include "messages/M_ErrorFileExceptions.h"
#include "messages/M_Settings.h"

using namespace M_ErrFileFormat;

void M_InputTessel::openFile(const U_String& name) {
  m_diags.clear();
  m_supps.clear();
  m_currentFile = U_Filename();
  m_reader = std::make_unique<R_Reader>(name);
  if (!m_reader->open()) throw M_BadFileOpenException(name);
  m_formatId = m_reader->readInt();
  if (familyOf(m_formatId) == Family::Unknown) {
    std::cerr << "Unknown error file format: id=" << M_hexText(m_formatId) << "\n";
    throw M_BadErrorFileVersion(m_formatId);
  }
  m_version = m_reader->readInt();
  try {
    readRecords();
  } catch (const R_ReadingException& e) {
    std::cerr << "caught a R_ReadingException in getNextMessage().\n"
              << "  reason: " << e.what() << "\n";
    m_reader->close();
    throw;
  }
  m_reader->close();
}

void M_InputTessel::openForSourceFile(const QL_String& source) {
  openForSourceFile(source, QL_String::create(M_Settings::outputPath(), eceEUC));
}

void M_InputTessel::openForSourceFile(const QL_String& source, const QL_String& directory) {
  setMainSourceFile(QL_Filename::create(source).getHandle());
  openFile(QL_FileStat::toOS(M_formErrFilename(directory, source)));
}

void M_InputTessel::openForSourceFileWithErrorFile(const QL_String&, const QL_String& errorFile) {
  openFile(QL_FileStat::toOS(errorFile));
}

void M_InputTessel::readRecords() {
  bool current = familyOf(m_formatId) == Family::Current;
  while (!m_reader->eof()) {
    if (current)
      readCurrentRecord();
    else
      readOlderRecord();
  }
}

void M_InputTessel::readCurrentRecord() {
  switch (m_reader->readByte()) {
    case kRecSessionStart:
      readSessionStart();
      break;
    case kRecDiagnostic:
      m_diags.push_back(R_readDiagnostic(*m_reader));
      break;
    case kRecSuppression:
      m_supps.push_back(R_readSuppressionRecord(*m_reader));
      break;
    case kRecDiagnosticTagged:
      m_diags.push_back(R_readDiagnostic(*m_reader));
      m_reader->readInt();  // scrambled check word, not used
      break;
    default:
      throw M_BadInfoTypeException();
  }
}

// A session start begins a new writer's part of the file: its ids start again.
void M_InputTessel::readSessionStart() {
  m_reader->resetData();
  int32_t n = m_reader->readCount();
  if (n > m_reader->remaining()) throw R_ReadingReadException(0);
  U_String skipped(static_cast<size_t>(n), '\0');
  if (n > 0) m_reader->read(skipped.data(), static_cast<unsigned int>(n));
}

void M_InputTessel::readOlderRecord() {
  // A file change is followed at once by another record; a run of them is
  // read in this loop, not by recursion, so no length of run can exhaust
  // the stack.
  int32_t type = m_reader->readInt();
  while (type == kOldFileChange) {
    readFileChange();
    type = m_reader->readInt();
  }
  switch (type) {
    case kOldMessage0:
      readMessage_0();
      break;
    case kOldMessage1:
      readMessage_1();
      break;
    case kOldMessage2:
      readMessage_2();
      break;
    default:
      throw M_BadInfoTypeException();
  }
}

// The file change names the file of the records that follow.
void M_InputTessel::readFileChange() {
  U_String name = m_reader->readString();
  m_currentFile = U_Filename::getString(name);
}

U_Location M_InputTessel::olderLocation(int32_t mainLine, int32_t inclLine, int32_t zcol) const {
  int32_t column = zcol == INT32_MAX ? zcol : zcol + 1;
  if (inclLine == -1) return U_Location(m_currentFile, mainLine, column);
  U_Filename mainFile = m_mainSourceFile.isSet() ? m_mainSourceFile : m_currentFile;
  U_Location includedFrom(mainFile, mainLine, 0);
  return U_Location(m_currentFile, inclLine, column, U_BPtr<U_MacroHistory>(), includedFrom);
}

void M_InputTessel::readOlderParams(M_Diagnostic& diag) {
  int32_t n = m_reader->readCount();
  for (int32_t i = 0; i < n; ++i) diag.addParameter(m_reader->readString());
}

namespace {
void setOlderFlags(M_Diagnostic& diag, int32_t suppressed, int32_t error) {
  diag.setHidden((suppressed & 1) != 0);
  diag.setUserHidden((suppressed & 2) != 0);
  diag.setSuppressed((suppressed & 3) != 0);
  diag.setError(error != 0);
}
}  // namespace

// Oldest layout: line, column, message number, error flag, parameters.
void M_InputTessel::readMessage_0() {
  int32_t line = m_reader->readInt();
  int32_t column = m_reader->readInt();
  U_BPtr<M_Diagnostic> diag(new M_Diagnostic(m_reader->readInt(), U_Location(m_currentFile, line, column)));
  setOlderFlags(*diag, 0, m_reader->readInt());
  readOlderParams(*diag);
  m_diags.push_back(diag);
}

// Middle layout: as the layout of type 3 without its closing integer.
void M_InputTessel::readMessage_1() {
  int32_t mainLine = m_reader->readInt();
  int32_t inclLine = m_reader->readInt();
  int32_t zcol = m_reader->readInt();
  U_BPtr<M_Diagnostic> diag(new M_Diagnostic(m_reader->readInt(), olderLocation(mainLine, inclLine, zcol)));
  int32_t suppressed = m_reader->readInt();
  setOlderFlags(*diag, suppressed, m_reader->readInt());
  readOlderParams(*diag);
  m_diags.push_back(diag);
}

// Layout still written (type 3): main line, included line or -1, column
// minus 1, message number, suppressed state, error flag, parameter texts,
// and a closing 0 (anything else means list parameters, which this layout
// cannot hold).
void M_InputTessel::readMessage_2() {
  readMessage_1();
  if (m_reader->readInt() != 0) throw M_HasListParameterException();
}
