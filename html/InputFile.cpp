#include "html/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kxdf_html {

namespace {

InputFile failure(std::string error) {
  InputFile f;
  f.error = std::move(error);
  return f;
}

}  // namespace

InputFile readRegularFile(const std::string& path, size_t maxBytes) {
  // O_NONBLOCK: opening a FIFO with no writer would otherwise wait forever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return failure(errno == ENOENT ? "missing" : std::string("cannot be read: ") + std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return failure("not a regular file");
  }
  const std::string tooLarge = "too large (over " + std::to_string(maxBytes >> 20) + " MiB)";
  if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
    ::close(fd);
    return failure(tooLarge);
  }
  InputFile f;
  f.content.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0 && f.content.size() + static_cast<size_t>(n) > maxBytes) {
      ::close(fd);  // it grew while being read
      return failure(tooLarge);
    } else if (n > 0) {
      f.content.append(buffer, static_cast<size_t>(n));
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      f.error = std::string("cannot be read: ") + std::strerror(errno);
      ::close(fd);
      f.content.clear();
      return f;
    }
  }
  ::close(fd);
  f.ok = true;
  return f;
}

}  // namespace kxdf_html
