#include "util/U_ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <streambuf>

// An output buffer over a file descriptor.  A write the file cannot take
// makes sync() and overflow() fail, so the stream on top goes bad and the
// failure is seen instead of lost.
class U_FdStreamBuf : public std::streambuf {
 public:
  explicit U_FdStreamBuf(int fd) : m_fd(fd) { setp(m_buffer, m_buffer + sizeof m_buffer); }

 protected:
  int_type overflow(int_type c) override {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  int sync() override { return drain() ? 0 : -1; }

 private:
  // Writes the buffered bytes, retrying after interruptions and short writes.
  bool drain() {
    const char* p = pbase();
    while (p < pptr()) {
      const ssize_t n = ::write(m_fd, p, static_cast<size_t>(pptr() - p));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      p += n;
    }
    setp(m_buffer, m_buffer + sizeof m_buffer);
    return true;
  }

  int m_fd;
  char m_buffer[16384];
};

namespace {

// Temporary files not yet committed or discarded.  Those still here when
// the process exits (an exit in the middle of a document, or an owner that
// lives to the end) are removed then.  The set is never destroyed, so owners
// that are statics themselves may still use it while the process ends.
std::set<U_String>& pending() {
  static std::set<U_String>* names = [] {
    std::atexit([] {
      for (const U_String& name : pending()) ::unlink(name.c_str());
    });
    return new std::set<U_String>();
  }();
  return *names;
}

// The permissions a file created with open(..., 0666) would get.  The
// umask can only be read by setting it, so it is read once.
mode_t newFileMode() {
  static const mode_t mode = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
  }();
  return mode;
}

// "dir/.name.XXXXXX" for the target "dir/name": same directory, so the
// rename stays within one file system.
U_String temporaryPattern(const U_String& target) {
  const size_t slash = target.rfind('/');
  const size_t start = slash == U_String::npos ? 0 : slash + 1;
  return target.substr(0, start) + "." + target.substr(start) + ".XXXXXX";
}

}  // namespace

U_ReplacingFile::U_ReplacingFile(const U_String& target)
    : m_target(target), m_temporary(temporaryPattern(target)) {
  m_fd = ::mkostemp(m_temporary.data(), O_CLOEXEC);
  // Without a file the stream has no buffer: it is bad from the start.
  if (m_fd >= 0) {
    pending().insert(m_temporary);
    m_buffer = std::make_unique<U_FdStreamBuf>(m_fd);
  }
  m_stream = std::make_unique<std::ostream>(m_buffer.get());
}

U_ReplacingFile::~U_ReplacingFile() { discard(); }

bool U_ReplacingFile::write(const U_String& data) {
  if (!isOpen()) return false;
  stream().write(data.data(), static_cast<std::streamsize>(data.size()));
  return !stream().bad();
}

bool U_ReplacingFile::commit() {
  if (!isOpen()) return false;
  stream().flush();
  bool ok = !stream().bad() && ::fchmod(m_fd, newFileMode()) == 0;
  const int fd = m_fd;
  m_fd = -1;
  ok = (::close(fd) == 0) && ok;
  pending().erase(m_temporary);
  if (ok && ::rename(m_temporary.c_str(), m_target.c_str()) == 0) return true;
  const int saved = errno;
  ::unlink(m_temporary.c_str());
  errno = saved;
  return false;
}

void U_ReplacingFile::discard() {
  if (!isOpen()) return;
  ::close(m_fd);
  m_fd = -1;
  ::unlink(m_temporary.c_str());
  pending().erase(m_temporary);
}

U_CannotWriteException::U_CannotWriteException(const U_String& path, int errorNumber)
    : U_UserException("cannot write file " + path +
                      (errorNumber != 0 ? U_String(": ") + std::strerror(errorNumber) : U_String())) {}
