#include "html/SourcePage.h"

#include "html/Escape.h"
#include "html/Page.h"

namespace kxdf_html {

std::string renderSourcePage(const SourceCopy& copy, const std::vector<Section>& sections) {
  std::string out = pageStart(copy.sourceName, sections, copy.pageName);
  out += "<p class=\"note\">" + std::to_string(copy.lines.size()) +
         (copy.lines.size() == 1 ? " line" : " lines") + ", from the numbered copy " +
         escapeHtml(copy.copyName) + ".</p>\n<div class=\"code src\">\n";
  for (size_t i = 0; i < copy.lines.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    out += "<div class=\"line\" id=\"L" + n + "\"><a class=\"ln\" href=\"#L" + n + "\">" + n + "</a><code>" +
           escapeCode(copy.lines[i]) + "</code></div>\n";
  }
  return out + "</div>\n" + pageEnd();
}

}  // namespace kxdf_html
