#include "report/Marshal_report.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

#include "config/C_ProductConfigs.h"
#include "intl/QL_FileStat.h"
#include "intl/QL_String.h"
#include "model/PI_Interface.h"
#include "report/FileList.h"
#include "report/ReportOptions.h"
#include "report/ReportTrace.h"
#include "report/Template_Usage_Generate.h"
#include "report/XMLFormat.h"
#include "report/Xutil.h"
#include "util/U_FileStat.h"
#include "util/U_ReplacingFile.h"

namespace Marshal_report {

namespace {

// Titles in writing order; the table ends with its sentinel.
const char* const kSectionTitles[] = {
    "Template Usage Class Templates",
    "Template Usage Function Templates",
    "Template Usage Analysis of C++ Templates",
    "Template Usage List of Analysed Files",
    "Template Usage Personality Options",
    "Template Usage Report Settings",
    "Template Usage KXDF Generator Info",
    "*****",
};

U_String output_directory() {
  const char* dir = PI_getPALOutputPath(1);
  return dir ? U_String(dir) : U_String();
}

}  // namespace

const std::vector<U_String>& sectionTitles() {
  static const std::vector<U_String> titles = [] {
    std::vector<U_String> t;
    for (const char* const* p = kSectionTitles; std::strcmp(*p, "*****") != 0; ++p)
      t.push_back(*p);
    return t;
  }();
  return titles;
}

namespace {

// Placeholders made by createEmptySectionFiles, waiting to be put in place.
std::vector<std::unique_ptr<U_ReplacingFile>>& pendingPlaceholders() {
  static std::vector<std::unique_ptr<U_ReplacingFile>> files;
  return files;
}

}  // namespace

namespace {

[[noreturn]] void cannotOpen(const U_String& path) {
  std::cerr << "cannot open file " << path << std::endl;
  std::exit(10);
}

}  // namespace

void createEmptySectionFiles(const U_String& outputDirectory) {
  pendingPlaceholders().clear();
  for (const U_String& title : sectionTitles()) {
    const U_String path =
        U_FileStat::join(outputDirectory, Xutil::link_target(title) + ".kxdf.xml");
    struct stat st;
    const bool present = ::lstat(path.c_str(), &st) == 0;
    // A directory cannot be replaced by a document.
    if (present && S_ISDIR(st.st_mode)) cannotOpen(path);
    auto file = std::make_unique<U_ReplacingFile>(path);
    if (!file->isOpen()) cannotOpen(path);
    file->stream() << "<?xml version='1.0' encoding='UTF-8'?>\n"
                   << "<kxdf:section created_by='standard.kxdf.generator' created_by_version='1.0' "
                   << "xmlns:kxdf='" << XMLFormat::kxdfNamespace() << "' />\n";
    // A missing document gets its placeholder at once; an existing one
    // stays as it is until the run has finished.
    if (present) pendingPlaceholders().push_back(std::move(file));
    else if (!file->commit()) throw U_CannotWriteException(path, errno);
  }
}

void placeEmptySectionFiles(const std::set<U_String>& written) {
  for (auto& file : pendingPlaceholders()) {
    if (written.count(file->target())) {
      file->discard();
    } else if (!file->commit()) {
      throw U_CannotWriteException(file->target(), errno);
    }
  }
  pendingPlaceholders().clear();
}

void do_all() {
  const U_String outputDirectory = output_directory();
  createEmptySectionFiles(outputDirectory);
  ReportTrace::writeln("Calling FileList::getHeaderAndCMAFiles()");
  FileList::getHeaderAndCMAFiles(ReportOptions::getOptions().getOmitSystemHeaders());
  // The writer lives until the process ends: its copied-files record and
  // its last stream belong to the whole run.
  static XMLFormat* writer = new XMLFormat(outputDirectory);
  const char* product = C_ProductConfigs::getKeyName();
  if (product != nullptr && std::strcmp(product, "KTLPP") == 0) {
    ReportTrace::writeln("Calling Template_Usage_Generate::generate()");
    Template_Usage_Generate::generate(writer);
  }
  if (ReportOptions::getOptions().getIsTemplate_Usage_ReportType()) {
    std::vector<U_String> files;
    buildAnalysedFileList(files);
    ReportTrace::writeln("Calling Template_Usage_Appendix::writeTemplate_Usage_Appendix()");
    Template_Usage_Appendix::writeTemplate_Usage_Appendix(writer, files);
  }
  ReportTrace::writeln(
      "Calling Template_Usage_KxdfGeneratorSection::writeTemplate_Usage_KxdfGeneratorSection()");
  Template_Usage_KxdfGeneratorSection::writeTemplate_Usage_KxdfGeneratorSection(writer);
  writer->writeEnd();
  placeEmptySectionFiles(writer->documentsWritten());
}

}  // namespace Marshal_report

void ignoreDefineCallback() {}

namespace Gen {
U_String getOSFilenameUString(const U_String& name) {
  return QL_FileStat::getOSDependentFilename(QL_String::create(name, eceEUC)).get();
}
}  // namespace Gen

void buildAnalysedFileList(std::vector<U_String>& out) {
  const char* cma = PI_getPALCrossModuleFilename(1);
  for (const char* name : FileList::getSrcFiles()) {
    U_String entry = Gen::getOSFilenameUString(name);
    if (cma != nullptr && std::strcmp(name, cma) == 0) entry += " (CMA file)";
    out.push_back(entry);
  }
}
