#ifndef HTML_OUTPUTFILE_H
#define HTML_OUTPUTFILE_H

#include <string>

namespace kxdf_html {

// Writes content as the file name in dir: first to a hidden temporary file
// beside it (".NAME.XXXXXX"), which is renamed onto the name only when
// every byte is written and closed.  A reader sees the old file or the
// complete new one, a symbolic link standing at the name is replaced
// rather than written through, and a failed write leaves no temporary
// file.  The file gets the permissions of a new file (0666 less the
// umask).  Returns an empty string, or the reason it failed.
std::string replaceFile(const std::string& dir, const std::string& name, const std::string& content);

// Makes SIGINT, SIGTERM and SIGHUP remove the temporary file being written
// before they end the process, so an interrupted run leaves only complete
// files.
void removeTemporaryFileOnSignal();

}  // namespace kxdf_html

#endif
