// The files the writer makes: one document per section, and one numbered
// text copy per linked source file.
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <map>
#include <set>

#include "report/ReportTrace.h"
#include "report/XMLEscape.h"
#include "report/XMLFormat.h"
#include "report/XMLText.h"
#include "report/Xutil.h"
#include "source/Qgen.h"
#include "util/U_FileStat.h"
#include "util/U_ReplacingFile.h"

namespace {

// Source files already copied in this run, with the copy each went to, so
// each is copied once however often it is linked.
std::map<U_String, U_String>& copiedFiles() {
  static std::map<U_String, U_String> files;
  return files;
}

// Copies made so far, so that two sources with the same last name component
// (from different directories) never share one.
std::set<U_String>& usedTargets() {
  static std::set<U_String> targets;
  return targets;
}

// "name.ext.txt" in the output directory, or "name.ext.2.txt", ".3" ... when
// another source already took it.
U_String freeTarget(const U_String& directory, const U_String& fileName) {
  U_String target = U_FileStat::join(directory, fileName + ".txt");
  for (long k = 2; usedTargets().count(target); ++k)
    target = U_FileStat::join(directory, fileName + "." + Qgen::Image(k) + ".txt");
  usedTargets().insert(target);
  return target;
}

// Leading blanks are cut from a run of ten, as the numbers never need more.
U_String indent(std::size_t width) { return U_String(width < 10 ? width : 10, ' '); }

// An href sits in a single-quoted attribute: characters that would end or
// break it are written as entities, so every document stays well-formed.
U_String escapeAttribute(const U_String& value) {
  U_String out = escapeXmlText(xmlDocumentFilename(value));
  Xutil::Global_Replace(out, "'", "&apos;");
  return out;
}

}  // namespace

void XMLFormat::sectionStart(const U_String& title) {
  const U_String path = U_FileStat::join(outputDirectory(), Xutil::link_target(title) + ".kxdf.xml");
  ReportTrace::writeln("Opening: " + path);
  openStream(path);
  line("<?xml version='1.0' encoding='UTF-8' standalone='yes'?>");
  line("");
  line("<kxdf:section created_by='standard.kxdf.generator' created_by_version='1.0'");
  line(U_String(" xmlns:kxdf='") + kxdfNamespace() + "'");
  line(" xmlns:svg='http://www.w3.org/2000/svg'");
  line(" xmlns:v='urn:schemas-microsoft-com:vml' >");
}

void XMLFormat::sectionEnd() {
  line("</kxdf:section>");
  closeStream();
}

void XMLFormat::printFileLink(const U_String& file) {
  const U_String directory = U_FileStat::getNormalisedFilename(outputDirectory());
  const U_String normalised = U_FileStat::getNormalisedFilename(file);
  auto copied = copiedFiles().find(file);
  const bool isNew = copied == copiedFiles().end();
  const U_String target =
      isNew ? freeTarget(directory, U_FileStat::getFilename(normalised)) : copied->second;
  line("<kxdf:filelink href='" + escapeAttribute(target) + "'>" +
       escapeXmlText(xmlDocumentFilename(file)) + "</kxdf:filelink>");
  if (!isNew) return;
  copiedFiles().emplace(file, target);
  writeNumberedSourceCopy(file, target);
}

void writeNumberedSourceCopy(const U_String& source, const U_String& target) {
  const std::vector<U_String> lines = Qgen::load_file_as_ustringlist(source);
  const std::size_t width = Qgen::Image(static_cast<long>(lines.size())).size();
  U_ReplacingFile out(target);
  if (!out.isOpen()) {
    std::cerr << "cannot open file " << target << "\n";
    std::cerr.flush();
    std::exit(10);
  }
  U_String text = indent(width) + source + "\n" + indent(width) + U_String(source.size(), '*') + "\n\n";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const U_String number = Qgen::Image(static_cast<long>(i + 1));
    text += indent(width - number.size()) + number + ": " + lines[i] + "\n";
  }
  if (!out.write(text) || !out.commit()) throw U_CannotWriteException(target, errno);
}
