// kxdf.html REPORT_DIR [-o HTML_DIR]: writes a static HTML view of a
// Template Usage Report.
#include <filesystem>
#include <iostream>
#include <new>
#include <string>

#include "html/OutputFile.h"
#include "html/Site.h"

namespace {

const char kUsage[] = "usage: kxdf.html REPORT_DIR [-o HTML_DIR]\n";
const char kHelp[] =
    "Writes the Template Usage Report in REPORT_DIR as static HTML pages.\n"
    "  -o HTML_DIR        where to write them (default REPORT_DIR/html)\n"
    "  -h, -help, --help  this text\n"
    "Exit status: 0 written, 1 bad report directory, 2 wrong arguments, 3 output not writable.\n";

// Reads the arguments and writes the site; the exit status.
int run(int argc, char** argv) {
  std::string reportDir, htmlDir;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-h" || arg == "-help" || arg == "--help") {
      std::cout << kUsage << kHelp;
      return kxdf_html::kOk;
    }
    if (arg == "-o" && i + 1 < argc && htmlDir.empty() && argv[i + 1][0] != '\0') {
      htmlDir = argv[++i];
    } else if (!arg.empty() && arg[0] != '-' && reportDir.empty()) {
      reportDir = arg;
    } else {
      std::cerr << "kxdf.html: unexpected argument '" << arg << "'\n" << kUsage;
      return kxdf_html::kUsage;
    }
  }
  if (reportDir.empty()) {
    std::cerr << kUsage;
    return kxdf_html::kUsage;
  }
  if (htmlDir.empty()) {
    htmlDir = (std::filesystem::path(reportDir) / "html").string();
    // A report directory may come from elsewhere: a link at its "html" must
    // not send the pages out of it unless the user names the place.
    std::error_code ec;
    if (std::filesystem::is_symlink(htmlDir, ec)) {
      std::cerr << "kxdf.html: " << htmlDir << ": is a symbolic link; give it with -o to write there\n";
      return kxdf_html::kCannotWrite;
    }
  }
  kxdf_html::removeTemporaryFileOnSignal();
  const int status = kxdf_html::writeSite(reportDir, htmlDir, std::cerr);
  if (status == kxdf_html::kOk) std::cout << "HTML report written to " << htmlDir << "/index.html\n";
  return status;
}
}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::bad_alloc&) {
    // Pages already written are complete; the one being made is not written.
    std::cerr << "kxdf.html: the report is too large for the memory at hand\n";
    return kxdf_html::kBadReport;
  }
}
