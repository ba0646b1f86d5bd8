#include "messages/M_Output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <memory>

#include "config/C_CmdArgs.h"
#include "config/C_Options.h"
#include "intl/QL_FileStat.h"
#include "intl/QL_String.h"
#include "messages/M_ErrFileFormat.h"
#include "messages/M_ErrFilename.h"
#include "messages/M_ErrorFileExceptions.h"
#include "messages/M_OutputSinks.h"
#include "messages/M_OutputTessel.h"
#include "messages/M_Settings.h"
#include "messages/M_Suppression.h"

namespace {

// Process-wide state of the output.
struct M_OutputCommon {
  std::unique_ptr<M_OutputBase> sink;
  M_IOFormat::Type format = M_IOFormat::Tessel2;
  int informations = 0;
  int errors = 0;
};

M_OutputCommon& common() {
  static M_OutputCommon state;
  return state;
}

// Gone from the output even when closing reports a failure.
void closeSink() {
  const std::unique_ptr<M_OutputBase> sink = std::move(common().sink);
  if (sink) sink->close();
}

void install(M_OutputBase* sink, M_IOFormat::Type type) {
  common().sink.reset(sink);
  common().format = type;
}

// The text sinks and the null sink; false for the error-file forms.
bool openTextSink(int type) {
  switch (type) {
    case M_IOFormat::Tessel:
    case M_IOFormat::Tessel2: return false;
    case M_IOFormat::Format: install(new M_OutputFormat(), M_IOFormat::Format); return true;
    case M_IOFormat::Null: install(new M_OutputNull(), M_IOFormat::Null); return true;
    default: install(new M_OutputSimple(), M_IOFormat::Simple); return true;
  }
}

// Creates NAME, or appends to it, in the older or the current record format.
void installErrFileSink(bool olderFormat, const U_String& name, bool append) {
  std::unique_ptr<M_ErrFileSink> sink;
  if (olderFormat) {
    sink = std::make_unique<M_OutputTessel>();
  } else {
    sink = std::make_unique<M_OutputTessel2>();
  }
  if (append) {
    sink->append_errfile(name);
  } else {
    sink->open_errfile(name);
  }
  install(sink.release(), olderFormat ? M_IOFormat::Tessel : M_IOFormat::Tessel2);
}

void createErrFile(const U_String& name, int type) {
  installErrFileSink(type == M_IOFormat::Tessel, name, false);
}

// An existing file keeps its own record format, whatever was asked for.
// An empty file (left by a run stopped before its header was written) is
// made anew.  A symbolic link in the file's place is refused.
void appendErrFile(const U_String& name, int type) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) throw M_BadFileOpenException(name);
    return createErrFile(name, type);
  }
  unsigned char b[4];
  ssize_t got;
  do {
    got = ::read(fd, b, sizeof b);
  } while (got < 0 && errno == EINTR);
  ::close(fd);
  if (got == 0) return createErrFile(name, type);
  if (got != 4) throw M_BadTextReadException();
  int32_t id = static_cast<int32_t>((uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | b[3]);
  if (!M_ErrFileFormat::canAppend(id)) throw M_BadVersionForAppendException(id);
  installErrFileSink(id == M_ErrFileFormat::kOld7900, name, true);
}

[[noreturn]] void failNotOpen(int line) {
  std::cerr << "M_Output" << ":" << line << ": Cannot send information before open()." << std::endl;
  throw 17;
}

QL_String productOutputPath() { return QL_String::create(M_Settings::outputPath(), eceEUC); }

}  // namespace

void M_Output::append(const QL_String& source, const QL_String& outputPath, int type) {
  closeSink();
  if (openTextSink(type)) return;
  appendErrFile(QL_FileStat::toOS(M_formErrFilename(outputPath, source)), type);
}

void M_Output::append(const QL_String& source, int type) { append(source, productOutputPath(), type); }

void M_Output::open(const QL_String& source, int type) {
  closeSink();
  if (openTextSink(type)) return;
  createErrFile(QL_FileStat::toOS(M_formErrFilename(productOutputPath(), source)), type);
}

void M_Output::open_errfile(const QL_String& file, int type) {
  closeSink();
  if (openTextSink(type)) return;
  createErrFile(QL_FileStat::toOS(file), type);
}

void M_Output::close() { closeSink(); }

void M_Output::setSink(M_OutputBase* sink, M_IOFormat::Type type) {
  closeSink();
  install(sink, type);
}

void M_Output::information(const U_BPtr<M_Diagnostic>& diag) {
  auto& c = common();
  if (!c.sink) failNotOpen(81);
  const U_Location& loc = diag->getLocation();
  bool suppressed = diag->isHidden() || M_getPragmaSuppressions().isMessageSuppressed(diag->getMsgNo(), loc);
  if (!suppressed && M_Settings::hideMacroWarnings()) suppressed = loc.isFromMacro();
  c.sink->information(diag, suppressed);
  ++c.informations;
}

void M_Output::error(const U_BPtr<M_Diagnostic>& diag) {
  auto& c = common();
  if (!c.sink) failNotOpen(99);
  c.sink->error(diag, false);
  ++c.errors;
}

// The debug keyword "hideSupRecs" keeps suppression records out of the output.
void M_Output::suppressionRecord(const U_BPtr<M_SuppressionRecord>& record) {
  if (common().sink && !M_Settings::hasDebug("hideSupRecs")) common().sink->suppressionRecord(record);
}

int M_Output::numberOfInformations() { return common().informations; }
int M_Output::numberOfErrors() { return common().errors; }
bool M_Output::isOpen() { return common().sink != nullptr; }
M_IOFormat::Type M_Output::currentFormat() { return common().format; }

void M_outputDiagnostic(const U_BPtr<M_Diagnostic>& diag) {
  if (!diag.isSet()) return;
  if (diag->isError())
    M_Output::error(diag);
  else
    M_Output::information(diag);
}

M_IOFormat::Type M_getErrorOutputFormat(const C_CmdArgs& cmdArgs) {
  const C_Options& options = cmdArgs.getOptions();
  if (C_hasDebug(options, "simpleoutput")) return M_IOFormat::Simple;
  if (C_hasDebug(options, "textoutput") || C_hasDebug(options, "formatoutput")) return M_IOFormat::Format;
  if (C_hasDebug(options, "ktloutput")) return M_IOFormat::Tessel;
  return M_IOFormat::Tessel2;
}

M_IOFormat::Type M_getErrorOutputFormat(const U_BPtr<C_CmdArgs>& cmdArgs) {
  return cmdArgs.isSet() ? M_getErrorOutputFormat(*cmdArgs) : M_IOFormat::Tessel2;
}

bool configEnabledMsg(const U_BPtr<M_Diagnostic>& diag) {
  if (diag->isError()) return true;
  const auto& only = M_Settings::onlyMsgs();
  if (!only.empty() && !only.count(diag->getMsgNo())) return false;
  if (M_Settings::noMsgs().count(diag->getMsgNo())) return false;
  if (!M_Settings::hiddenWarnings() && diag->isHidden()) return false;
  U_Filename file = diag->getLocation().getFilename();
  if (!file.isSet() || M_Settings::isMainSourceFile(file)) return true;
  if (M_Settings::hdrSuppress()) return false;
  return !M_Settings::isSuppressedFile(file);
}
