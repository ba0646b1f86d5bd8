#include "html/Site.h"

#include <filesystem>

#include "html/Assets.h"
#include "html/IndexPage.h"
#include "html/OutputFile.h"
#include "html/ReportSet.h"
#include "html/SectionPage.h"
#include "html/SourceCopies.h"
#include "html/SourcePage.h"

namespace kxdf_html {

namespace {

namespace fs = std::filesystem;

// Writes one file of the site; false (with a message) when it fails.
bool writeFile(const fs::path& dir, const std::string& name, const std::string& content, std::ostream& err) {
  const std::string reason = replaceFile(dir.string(), name, content);
  if (reason.empty()) return true;
  err << "kxdf.html: " << (dir / name).string() << ": cannot be written: " << reason << "\n";
  return false;
}

// Makes the output directory; false (with a message) when it cannot be had.
bool makeDirectory(const fs::path& dir, std::ostream& err) {
  std::error_code made, checked;
  fs::create_directories(dir, made);
  const fs::file_status status = fs::status(dir, checked);
  if (fs::is_directory(status)) return true;
  err << "kxdf.html: " << dir.string() << ": cannot create the directory: "
      << (fs::exists(status) ? "it exists and is not a directory"
                             : (made ? made : checked).message()) << "\n";
  return false;
}

}  // namespace

int writeSite(const std::string& reportDir, const std::string& htmlDir, std::ostream& err) {
  std::error_code ec;
  if (!fs::is_directory(reportDir, ec)) {
    err << "kxdf.html: " << reportDir << ": not a directory\n";
    return kBadReport;
  }
  ReportSet report = loadReport(reportDir);
  if (!report.errors.empty()) {
    for (const std::string& e : report.errors) err << "kxdf.html: " << e << "\n";
    return kBadReport;
  }
  const SourceCopies copies = SourceCopies::load(reportDir);
  for (const std::string& s : copies.skipped()) err << "kxdf.html: " << s << "\n";
  const fs::path dir(htmlDir);
  if (!makeDirectory(dir, err)) return kCannotWrite;
  bool ok = writeFile(dir, kStyleFile, styleSheet(), err) && writeFile(dir, kScriptFile, script(), err);
  for (const Section& s : report.sections)
    ok = ok && writeFile(dir, s.pageName, renderSectionPage(s, report.sections, copies), err);
  for (const SourceCopy* c : copies.all())
    ok = ok && writeFile(dir, c->pageName, renderSourcePage(*c, report.sections), err);
  // The index comes last: it is there only when every page it leads to is.
  ok = ok && writeFile(dir, "index.html", renderIndexPage(report.sections, copies), err);
  return ok ? kOk : kCannotWrite;
}

}  // namespace kxdf_html
