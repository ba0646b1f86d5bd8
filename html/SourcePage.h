#ifndef HTML_SOURCEPAGE_H
#define HTML_SOURCEPAGE_H

#include <string>
#include <vector>

#include "html/ReportSet.h"
#include "html/SourceCopies.h"

namespace kxdf_html {

// The page of one source copy: every line with the anchor "L" + its
// number and a link to itself; the lines named by the address are
// highlighted (by :target, and by the script for ranges).
std::string renderSourcePage(const SourceCopy& copy, const std::vector<Section>& sections);

}  // namespace kxdf_html

#endif
