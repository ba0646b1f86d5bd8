#ifndef TESTS_REPORT_XMLTESTSUPPORT_H
#define TESTS_REPORT_XMLTESTSUPPORT_H

#include <functional>
#include <string>

#include "TempDir.h"
#include "report/XMLFormat.h"

// The six header lines every section document starts with.
inline std::string sectionHeader() {
  return std::string(
             "<?xml version='1.0' encoding='UTF-8' standalone='yes'?>\n"
             "\n"
             "<kxdf:section created_by='standard.kxdf.generator' created_by_version='1.0'\n"
             " xmlns:kxdf='") +
         XMLFormat::kxdfNamespace() +
         "'\n"
         " xmlns:svg='http://www.w3.org/2000/svg'\n"
         " xmlns:v='urn:schemas-microsoft-com:vml' >\n";
}

// Writes one section "Body Test" with `fill` and returns what lies between
// its header and its closing line (both checked).
inline std::string sectionBody(const TempDir& dir, const std::function<void(XMLFormat&)>& fill) {
  XMLFormat writer(dir.path());
  writer.sectionStart("Body Test");
  fill(writer);
  writer.sectionEnd();
  const std::string doc = dir.read("body_test.kxdf.xml");
  const std::string header = sectionHeader();
  const std::string footer = "</kxdf:section>\n";
  if (doc.compare(0, header.size(), header) != 0 || doc.size() < header.size() + footer.size() ||
      doc.compare(doc.size() - footer.size(), footer.size(), footer) != 0)
    return "<malformed section>" + doc;
  return doc.substr(header.size(), doc.size() - header.size() - footer.size());
}

#endif
