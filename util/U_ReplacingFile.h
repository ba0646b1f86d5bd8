#ifndef UTIL_U_REPLACINGFILE_H
#define UTIL_U_REPLACINGFILE_H

#include <memory>
#include <ostream>

#include "util/U_Exception.h"
#include "util/U_String.h"

class U_FdStreamBuf;

// A file written under a hidden temporary name beside its target and
// renamed onto the target only when complete.  Readers therefore see the
// target either as it was or complete, never cut off by a full disk or an
// interrupted run; and a symbolic link standing at the target is replaced,
// never written through.  A file neither committed nor discarded is removed
// when the object goes away.
class U_ReplacingFile {
 public:
  // Creates the temporary file; isOpen() tells whether that worked.
  explicit U_ReplacingFile(const U_String& target);
  ~U_ReplacingFile();
  U_ReplacingFile(const U_ReplacingFile&) = delete;
  U_ReplacingFile& operator=(const U_ReplacingFile&) = delete;

  bool isOpen() const { return m_fd >= 0; }
  const U_String& target() const { return m_target; }
  // Where the text goes; a failed write sets the stream's badbit.
  std::ostream& stream() { return *m_stream; }
  // Writes all of `data`; false when the file cannot take it.
  bool write(const U_String& data);
  // Flushes and closes the file, gives it the permissions a new file gets
  // and renames it onto the target.  False (and the temporary removed) when
  // any step fails; errno then tells why.
  bool commit();
  // Removes the temporary file; the target stays as it was.
  void discard();

 private:
  U_String m_target;
  U_String m_temporary;
  int m_fd = -1;
  std::unique_ptr<U_FdStreamBuf> m_buffer;
  std::unique_ptr<std::ostream> m_stream;
};

// A file of the run's output that could not be written in full: "cannot
// write file " and the path, then the system's reason when there is one.
class U_CannotWriteException : public U_UserException {
 public:
  U_CannotWriteException(const U_String& path, int errorNumber);
};

#endif
