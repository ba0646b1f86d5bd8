#ifndef HTML_INDEXPAGE_H
#define HTML_INDEXPAGE_H

#include <string>
#include <vector>

#include "html/ReportSet.h"
#include "html/SourceCopies.h"

namespace kxdf_html {

// The most bars a chart of the index shows.
inline constexpr size_t kChartBars = 10;

// The index page: the report's figures at a glance, one row per section
// with what it holds, the two charts and the list of source pages.
std::string renderIndexPage(const std::vector<Section>& sections, const SourceCopies& copies);

}  // namespace kxdf_html

#endif
