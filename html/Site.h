#ifndef HTML_SITE_H
#define HTML_SITE_H

#include <ostream>
#include <string>

namespace kxdf_html {

// Exit statuses of kxdf.html.
enum ExitStatus { kOk = 0, kBadReport = 1, kUsage = 2, kCannotWrite = 3 };

// Reads the report in reportDir and writes the site into htmlDir
// (created when missing).  Every problem is reported on err as one line
// naming the file concerned; the result is one of the exit statuses.
// Nothing is written when a report document is missing or not
// well-formed.
int writeSite(const std::string& reportDir, const std::string& htmlDir, std::ostream& err);

}  // namespace kxdf_html

#endif
