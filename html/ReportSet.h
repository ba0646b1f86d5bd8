#ifndef HTML_REPORTSET_H
#define HTML_REPORTSET_H

#include <string>
#include <vector>

#include "html/Document.h"

namespace kxdf_html {

// What kind of content a report document holds; decides how the index
// summarises it.
enum class SectionKind { ClassTemplates, FunctionTemplates, Summary, FileList, Options, Settings, Generator };

// One of the seven report documents.
struct Section {
  SectionKind kind;
  std::string title;     // the heading shown for it
  std::string fileName;  // its name in the report directory
  std::string pageName;  // its page in the HTML directory
  Node root;             // the parsed section element
};

// The seven documents in report order, without their content.
std::vector<Section> sectionTable();

// The seven documents of reportDir, all parsed; or, for each one that is
// missing or not well-formed, a message naming its path.
struct ReportSet {
  std::vector<Section> sections;
  std::vector<std::string> errors;
};

// Reads every document of the report directory.
ReportSet loadReport(const std::string& reportDir);

}  // namespace kxdf_html

#endif
