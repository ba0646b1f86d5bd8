#include "messages/M_ErrDump.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

#include "messages/FM_Tokens.h"
#include "messages/M_ErrorFileExceptions.h"
#include "messages/M_InputTessel.h"
#include "messages/M_OutputSinks.h"
#include "messages/M_formatMessage.h"

void errDumpUsage(std::ostream& os) {
  os << "usage: kxdf.errdump [-format FORMAT] [-diagnostics | -suppressions] FILE.err...\n"
        "Lists the diagnostics and suppression records of analyser error files.\n"
        "  -format FORMAT   write each diagnostic and its sub-messages in FORMAT, a\n"
        "                   message format (\"-format default\" for the default one)\n"
        "  -diagnostics     list only the diagnostics\n"
        "  -suppressions    list only the suppression records\n";
}

bool errDumpParseArgs(int argc, const char* const* argv, ErrDumpRequest& request, std::ostream& err) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "-format") == 0) {
      if (++i >= argc) {
        err << "kxdf.errdump: -format needs a format\n";
        return false;
      }
      request.format = std::strcmp(argv[i], "default") == 0 ? M_DEFAULT_MESSAGE_FORMAT : argv[i];
    } else if (std::strcmp(arg, "-diagnostics") == 0) {
      request.suppressions = false;
    } else if (std::strcmp(arg, "-suppressions") == 0) {
      request.diagnostics = false;
    } else if (arg[0] == '-' && arg[1] != '\0') {
      err << "kxdf.errdump: unknown option " << arg << "\n";
      return false;
    } else {
      request.files.push_back(arg);
    }
  }
  if (request.files.empty()) err << "kxdf.errdump: no error file given\n";
  return !request.files.empty();
}

namespace {

void listFile(const ErrDumpRequest& request, const U_String& file, std::ostream& out) {
  M_InputTessel input;
  try {
    input.openFile(file);
  } catch (const M_BadFileOpenException&) {
    // The reader shares the writer's exception, whose text speaks of
    // writing; here the file was only to be read.
    throw std::runtime_error(std::string("cannot open: ") + std::strerror(errno));
  }
  if (request.diagnostics) {
    for (const auto& diag : input.diagnostics()) {
      if (request.format.empty()) {
        out << diag->getRepresentation() << "\n";
        continue;
      }
      for (const auto& line : M_formatDiagnosticLines(request.format, diag)) out << line << "\n";
    }
  }
  if (request.suppressions)
    for (const auto& rec : input.suppressionRecords()) out << rec->getRepresentation() << "\n";
}

}  // namespace

int errDumpRun(const ErrDumpRequest& request, std::ostream& out, std::ostream& err) {
  int status = 0;
  for (const auto& file : request.files) {
    if (request.files.size() > 1) out << "== " << file << "\n";
    try {
      listFile(request, file, out);
    } catch (const std::exception& e) {
      out.flush();
      U_String why = e.what();
      while (!why.empty() && why.back() == '\n') why.pop_back();
      err << "kxdf.errdump: " << file << ": " << why << "\n";
      status = 1;
    }
  }
  return status;
}
