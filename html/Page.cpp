#include "html/Page.h"

#include "html/Assets.h"
#include "html/Escape.h"

namespace kxdf_html {

namespace {

const std::string kReportTitle = "Template Usage Report";

}  // namespace

std::string pageStart(const std::string& title, const std::vector<Section>& sections,
                      const std::string& currentPage) {
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<title>" + escapeHtml(title == kReportTitle ? title : title + " — " + kReportTitle) + "</title>\n"
      "<link rel=\"icon\" href=\"data:,\">\n"
      "<link rel=\"stylesheet\" href=\"" + std::string(kStyleFile) + "\">\n</head>\n<body>\n"
      "<header class=\"site\"><a class=\"brand\" href=\"index.html\">Template Usage Report</a>\n"
      "<nav class=\"sections\">";
  for (const Section& s : sections) {
    out += "<a href=\"" + s.pageName + "\"" + (s.pageName == currentPage ? " aria-current=\"page\"" : "") +
           ">" + escapeHtml(s.title) + "</a>";
  }
  out += "</nav></header>\n<main>\n<h1>" + escapeHtml(title) + "</h1>\n";
  return out;
}

std::string filterBox(const std::string& placeholder, bool withToggles) {
  return "<div class=\"filter\" id=\"filter\" hidden><input type=\"search\" placeholder=\"" +
         escapeHtml(placeholder) + "\" aria-label=\"Filter\">" +
         (withToggles ? "<button type=\"button\" data-open=\"1\">Expand all</button>"
                        "<button type=\"button\" data-open=\"0\">Collapse all</button>"
                      : "") +
         "</div>\n";
}

std::string pageEnd() {
  return "<footer>Written by kxdf.html from the report documents.</footer>\n</main>\n<script src=\"" +
         std::string(kScriptFile) + "\"></script>\n</body>\n</html>\n";
}

}  // namespace kxdf_html
