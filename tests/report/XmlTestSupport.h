#ifndef TESTS_REPORT_XMLTESTSUPPORT_H
#define TESTS_REPORT_XMLTESTSUPPORT_H

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "report/XMLFormat.h"

// A scratch output directory for writer tests, removed afterwards.
class WriterDir {
 public:
  WriterDir() {
    static int counter = 0;
    m_path = std::filesystem::temp_directory_path() /
             ("tuk_xml_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    std::filesystem::create_directories(m_path);
  }
  ~WriterDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  std::string str() const { return m_path.string(); }
  std::string path(const std::string& name) const { return (m_path / name).string(); }
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

 private:
  std::filesystem::path m_path;
};

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
inline std::string sectionBody(const WriterDir& dir, const std::function<void(XMLFormat&)>& fill) {
  XMLFormat writer(dir.str());
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
