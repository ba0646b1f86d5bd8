#ifndef HTML_SECTIONPAGE_H
#define HTML_SECTIONPAGE_H

#include <string>
#include <vector>

#include "html/Fragment.h"
#include "html/ReportSet.h"
#include "html/SourceCopies.h"

namespace kxdf_html {

// A code fragment as HTML: a caption linking to its lines on the source
// page of copy (when there is one), and every line with its number, the
// number linking to that line.  Line numbers the copy does not have are
// left unlinked.
std::string renderFragment(const std::vector<FragmentLine>& lines, const SourceCopy* copy,
                           const std::string& fileName);

// The body of a section page: headings become nested collapsible entries
// (h3 entries carry entryAnchor ids), file links link to source pages,
// fragments are rendered with renderFragment for the file last linked.
std::string renderSectionBody(const Node& section, const SourceCopies& copies);

// The whole page of one section.
std::string renderSectionPage(const Section& section, const std::vector<Section>& all,
                              const SourceCopies& copies);

}  // namespace kxdf_html

#endif
