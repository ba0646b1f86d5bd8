#ifndef SCAN_OUTPUTFILE_H
#define SCAN_OUTPUTFILE_H

#include <string>
#include <vector>

namespace kxdf_scan {

// Writes lines to path through a new hidden file beside it (`.kxdf-XXXXXX`,
// made without following links) renamed into place, so the file is never
// seen half-written and a symbolic link at path is replaced, not written
// through.  Returns "cannot write file PATH: REASON", or "" on success.
std::string writeWhole(const std::string& path, const std::vector<std::string>& lines);

// Writes all of text to fd, going on after interruptions and short writes;
// false (with errno set) when a write fails.
bool writeAll(int fd, const std::string& text);

// Makes dir (and its parents) unless it exists, and its subfolder sub, which
// must be a real folder, not a link.  Returns an error text, "" on success.
std::string prepareOutputDir(const std::string& dir, const std::string& sub);

// Takes the lock file `lock` in dir for the rest of the process, so that
// two runs never write the same output directory at once.  Returns an error
// text, "" on success.
std::string lockOutputDir(const std::string& dir);

// Removes the temporary files writeWhole left in dir, which only a process
// killed while writing leaves; call it while holding the lock.
void removeTemporaries(const std::string& dir);

// True when text holds a byte a record file cannot carry inside a quoted
// field: a double quote or a line break.
bool breaksRecordLine(const std::string& text);

}  // namespace kxdf_scan

#endif
