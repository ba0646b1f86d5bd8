#include "html/Site.h"

#include <filesystem>
#include <fstream>

#include "html/Assets.h"
#include "html/IndexPage.h"
#include "html/ReportSet.h"
#include "html/SectionPage.h"
#include "html/SourceCopies.h"
#include "html/SourcePage.h"

namespace kxdf_html {

namespace {

namespace fs = std::filesystem;

// Writes one file of the site; false (with a message) when it fails.
bool writeFile(const fs::path& dir, const std::string& name, const std::string& content, std::ostream& err) {
  const fs::path path = dir / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  out.close();
  if (!out) {
    err << "kxdf.html: " << path.string() << ": cannot be written\n";
    return false;
  }
  return true;
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
  const fs::path dir(htmlDir);
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) {
    err << "kxdf.html: " << htmlDir << ": cannot create the directory\n";
    return kCannotWrite;
  }
  bool ok = writeFile(dir, kStyleFile, styleSheet(), err) && writeFile(dir, kScriptFile, script(), err) &&
            writeFile(dir, "index.html", renderIndexPage(report.sections, copies), err);
  for (const Section& s : report.sections)
    ok = ok && writeFile(dir, s.pageName, renderSectionPage(s, report.sections, copies), err);
  for (const SourceCopy* c : copies.all())
    ok = ok && writeFile(dir, c->pageName, renderSourcePage(*c, report.sections), err);
  return ok ? kOk : kCannotWrite;
}

}  // namespace kxdf_html
