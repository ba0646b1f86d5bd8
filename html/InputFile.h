#ifndef HTML_INPUTFILE_H
#define HTML_INPUTFILE_H

#include <cstddef>
#include <string>

namespace kxdf_html {

// The whole content of a regular file, or why it could not be had.
struct InputFile {
  bool ok = false;
  std::string content;
  std::string error;  // "missing", "not a regular file", "too large (...)", "cannot be read: REASON"
};

// Reads the file at path when it is a regular file (a symbolic link is
// followed).  The kind is checked on the opened file and the open does not
// wait on a named pipe, so a pipe or device put in place of the file (one
// that never ends, like /dev/zero) is refused rather than read.  A file
// of more than maxBytes is refused before it is read, so that its text
// and what is made of it stay within memory.
InputFile readRegularFile(const std::string& path, size_t maxBytes);

}  // namespace kxdf_html

#endif
