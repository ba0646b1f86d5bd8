#ifndef HTML_ESCAPE_H
#define HTML_ESCAPE_H

#include <string>
#include <string_view>

namespace kxdf_html {

// Text made safe for HTML element content and quoted attribute values:
// & < > " ' become character references; control characters other than
// tab and line feed become their visible control pictures (NUL as U+2400);
// everything else, UTF-8 included, passes unchanged.
std::string escapeHtml(std::string_view text);

// A line of source code for a <code> element: escaped like escapeHtml, but
// control characters other than tab are shown in caret notation (^@, ^[,
// ^?) in a span of class "ctl", which the style sheet marks.
std::string escapeCode(std::string_view text);

// The text with every byte that does not belong to a valid UTF-8 sequence
// replaced by U+FFFD, so that a source file in another encoding still gives
// a well-formed page.
std::string validUtf8(std::string_view text);

// A file-name stem holding only ASCII letters, digits, '.', '_' and '-':
// every other byte becomes '_'.  Used to name pages after source files, so
// no name can leave the output directory or need URL escaping.
std::string safeFileStem(std::string_view name);

// At most maxChars code points of a UTF-8 text, with "…" appended when cut.
std::string shortenUtf8(std::string_view text, size_t maxChars);

}  // namespace kxdf_html

#endif
