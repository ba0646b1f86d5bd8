#include "html/ReportSet.h"

#include <filesystem>

namespace kxdf_html {

std::vector<Section> sectionTable() {
  const struct {
    SectionKind kind;
    const char* title;
    const char* stem;
  } table[] = {
      {SectionKind::ClassTemplates, "Class Templates", "template_usage_class_templates"},
      {SectionKind::FunctionTemplates, "Function Templates", "template_usage_function_templates"},
      {SectionKind::Summary, "Analysis of C++ Templates", "template_usage_analysis_of_c++_templates"},
      {SectionKind::FileList, "List of Analysed Files", "template_usage_list_of_analysed_files"},
      {SectionKind::Options, "Analysis Options", "template_usage_personality_options"},
      {SectionKind::Settings, "Report Settings", "template_usage_report_settings"},
      {SectionKind::Generator, "Generator Info", "template_usage_kxdf_generator_info"},
  };
  std::vector<Section> sections;
  for (const auto& row : table) {
    Section s{row.kind, row.title, std::string(row.stem) + ".kxdf.xml", "", {}};
    // "+" is not welcome in URLs; the page name keeps to safe characters.
    std::string page = row.stem;
    for (char& c : page)
      if (c == '+') c = 'p';
    s.pageName = page + ".html";
    sections.push_back(std::move(s));
  }
  return sections;
}

ReportSet loadReport(const std::string& reportDir) {
  ReportSet set;
  for (Section& section : sectionTable()) {
    const std::string path = (std::filesystem::path(reportDir) / section.fileName).string();
    LoadedDocument doc = loadDocument(path);
    if (!doc.ok) {
      set.errors.push_back(path + ": " + doc.error);
      continue;
    }
    section.root = std::move(doc.root);
    set.sections.push_back(std::move(section));
  }
  return set;
}

}  // namespace kxdf_html
