#ifndef HTML_PAGE_H
#define HTML_PAGE_H

#include <string>
#include <vector>

#include "html/ReportSet.h"

namespace kxdf_html {

// The start of a page up to and including the opening of its main
// element: head with the shared style sheet, the site header with links
// to the index and every section page (current marked), and the heading.
std::string pageStart(const std::string& title, const std::vector<Section>& sections,
                      const std::string& currentPage);

// The filter box, hidden until the script shows it; withToggles adds
// buttons that expand or collapse every entry.
std::string filterBox(const std::string& placeholder, bool withToggles);

// The end of a page: footer, the shared script, closing tags.
std::string pageEnd();

}  // namespace kxdf_html

#endif
