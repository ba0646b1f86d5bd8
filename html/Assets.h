#ifndef HTML_ASSETS_H
#define HTML_ASSETS_H

namespace kxdf_html {

// File names of the style sheet and the script written beside the pages.
inline constexpr const char kStyleFile[] = "kxdf.css";
inline constexpr const char kScriptFile[] = "kxdf.js";

// The style sheet shared by every page.
const char* styleSheet();

// The script shared by every page: the filter box, expanding and
// collapsing all entries, and the highlighting of the source lines named
// by the address ("#L10" or "#L10-L20").  Pages read fine without it.
const char* script();

}  // namespace kxdf_html

#endif
