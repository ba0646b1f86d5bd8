#include "messages/M_OutputTessel.h"

#include <random>

#include "intl/QL_FileStat.h"
#include "intl/QL_String.h"
#include "messages/M_ErrFileFormat.h"
#include "messages/M_ErrFileRecords.h"
#include "messages/M_ErrFilename.h"
#include "messages/M_ErrorFileExceptions.h"
#include "messages/M_Settings.h"
#include "messages/M_Suppression.h"

using namespace M_ErrFileFormat;

namespace {

U_String errFileOf(const QL_String& source, const QL_String& directory) {
  return QL_FileStat::toOS(M_formErrFilename(directory, source));
}

QL_String productOutputPath() { return QL_String::create(M_Settings::outputPath(), eceEUC); }

// The error-file sinks leave out what the run's settings suppress.
bool writerSkips(const M_Diagnostic& diag) {
  if (M_Settings::isSuppressedFile(diag.getLocation().getFilename())) return true;
  return M_Settings::noGen() && !M_enabledMsg(diag);
}

// A scrambled check word written after each diagnostic.
int32_t checkWord(int msgNo) {
  static std::minstd_rand generator(9973);
  return static_cast<int32_t>(generator() % 9999) ^ msgNo;
}

// Runs WRITE on WRITER; bytes the file refuses are reported with its name.
template <typename Write>
void writeOrFail(R_Writer& writer, Write write) {
  try {
    write();
  } catch (const R_WritingException&) {
    throw M_BadFileOpenException(writer.getFilename());
  }
}

// A new file's header is on disk at once, so an interrupted run leaves a
// readable error file rather than an empty one.
void flushOrFail(R_Writer& writer) {
  if (!writer.flush()) throw M_BadFileOpenException(writer.getFilename());
}

}  // namespace

// ---- both formats ----

// Closing here is unchecked: a run that ends normally has closed the file
// with close(), which reports a failure.
M_ErrFileSink::~M_ErrFileSink() {
  if (m_writer) m_writer->discard();
}

void M_ErrFileSink::open(const QL_String& source) { open_errfile(errFileOf(source, productOutputPath())); }
void M_ErrFileSink::append(const QL_String& source) { append(source, productOutputPath()); }
void M_ErrFileSink::append(const QL_String& source, const QL_String& directory) {
  append_errfile(errFileOf(source, directory));
}

void M_ErrFileSink::close() {
  if (!m_writer) return;
  const std::unique_ptr<R_Writer> writer = std::move(m_writer);
  if (!writer->close()) throw M_BadFileOpenException(writer->getFilename());
}

void M_ErrFileSink::information(const U_BPtr<M_Diagnostic>& diag, bool suppressed) {
  if (!writerSkips(*diag)) error(diag, suppressed);
}

// ---- current format ----

void M_OutputTessel2::open_errfile(const U_String& name, bool parserOutput) {
  m_writer = std::make_unique<R_Writer>(name);
  if (!m_writer->open()) throw M_BadFileOpenException(name);
  writeOrFail(*m_writer, [&] {
    m_writer->writeInt(parserOutput ? kCur9200 : kCur9300);
    m_writer->writeInt(0);
    m_writer->writeByte(kRecSessionStart);
    m_writer->writeInt(0);
  });
  flushOrFail(*m_writer);
}

void M_OutputTessel2::append_errfile(const U_String& name) {
  m_writer = std::make_unique<R_Writer>(name);
  if (!m_writer->append()) throw M_BadFileOpenException(name);
  writeOrFail(*m_writer, [&] {
    m_writer->writeByte(kRecSessionStart);
    m_writer->writeInt(0);
  });
  flushOrFail(*m_writer);
}

void M_OutputTessel2::error(const U_BPtr<M_Diagnostic>& diag, bool suppressed) {
  if (!m_writer) return;
  int32_t flags = (suppressed ? kFlagHidden : 0) | (diag->isUserHidden() ? kFlagUserHidden : 0);
  writeOrFail(*m_writer, [&] {
    m_writer->writeByte(kRecDiagnosticTagged);
    R_writeDiagnostic(*m_writer, *diag, flags);
    m_writer->writeInt(checkWord(diag->getMsgNo()));
  });
}

void M_OutputTessel2::suppressionRecord(const U_BPtr<M_SuppressionRecord>& record) {
  if (!m_writer || !record.isSet()) return;
  writeOrFail(*m_writer, [&] {
    m_writer->writeByte(kRecSuppression);
    R_writeSuppressionRecord(*m_writer, *record);
  });
}

// ---- older format ----

void M_OutputTessel::open_errfile(const U_String& name) {
  m_writer = std::make_unique<R_Writer>(name);
  m_haveLastFile = false;
  if (!m_writer->open()) throw M_BadFileOpenException(name);
  writeOrFail(*m_writer, [&] {
    m_writer->writeInt(kOld7900);
    m_writer->writeInt(0);
  });
  flushOrFail(*m_writer);
}

void M_OutputTessel::append_errfile(const U_String& name) {
  m_writer = std::make_unique<R_Writer>(name);
  m_haveLastFile = false;
  if (!m_writer->append()) throw M_BadFileOpenException(name);
}

void M_OutputTessel::error(const U_BPtr<M_Diagnostic>& diag, bool suppressed) {
  if (m_writer) writeOrFail(*m_writer, [&] { writeMessage(*diag, suppressed); });
}

// The older format has no suppression records.
void M_OutputTessel::suppressionRecord(const U_BPtr<M_SuppressionRecord>&) {}

void M_OutputTessel::writeMessage(const M_Diagnostic& diag, bool suppressed) {
  const U_Location& loc = diag.getLocation();
  if (!m_haveLastFile || loc.getFilename() != m_lastFile) {
    m_writer->writeInt(kOldFileChange);
    m_writer->writeString(loc.getFilename().str());
    m_lastFile = loc.getFilename();
    m_haveLastFile = true;
  }
  bool included = loc.hasInclLocation();
  m_writer->writeInt(kOldMessage2);
  m_writer->writeInt(included ? U_getMainSourceLocation(loc).getLine() : loc.getLine());
  m_writer->writeInt(included ? loc.getLine() : -1);
  m_writer->writeInt(loc.getColumn() == INT32_MIN ? INT32_MIN : loc.getColumn() - 1);
  m_writer->writeInt(diag.getMsgNo());
  m_writer->writeInt(suppressed ? 1 : 0);
  m_writer->writeInt(diag.isError() ? 1 : 0);
  m_writer->writeInt(diag.parameters());
  for (int i = 0; i < diag.parameters(); ++i) m_writer->writeString(diag.parameter(i)->getRepresentation());
  m_writer->writeInt(0);
}
