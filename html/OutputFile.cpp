#include "html/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace kxdf_html {

namespace {

const int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The temporary file being written, for the signal handler; fixed storage
// since a handler may not allocate.
char g_pending[4096];
volatile std::sig_atomic_t g_hasPending = 0;

void removePendingAndDie(int signal) {
  if (g_hasPending) ::unlink(g_pending);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void setPending(const std::string& path) {
  g_hasPending = 0;
  if (path.size() >= sizeof g_pending) return;  // too long to keep; a leftover is harmless
  std::memcpy(g_pending, path.c_str(), path.size() + 1);
  g_hasPending = 1;
}

bool writeAll(int fd, const std::string& content) {
  size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string replaceFile(const std::string& dir, const std::string& name, const std::string& content) {
  const std::string path = dir + "/" + name;
  std::string temp = dir + "/." + name + ".XXXXXX";
  // The signals wait until the handler knows the temporary file's name.
  sigset_t signals, old;
  sigemptyset(&signals);
  for (int signal : kCleanupSignals) sigaddset(&signals, signal);
  ::sigprocmask(SIG_BLOCK, &signals, &old);
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  const int openError = errno;
  if (fd >= 0) setPending(temp);
  ::sigprocmask(SIG_SETMASK, &old, nullptr);
  if (fd < 0) return std::strerror(openError);
  bool ok = writeAll(fd, content) && ::fchmod(fd, newFileMode()) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) ::unlink(temp.c_str());
  g_hasPending = 0;
  return ok ? std::string() : std::strerror(error);
}

void removeTemporaryFileOnSignal() {
  for (int signal : kCleanupSignals) std::signal(signal, removePendingAndDie);
}

}  // namespace kxdf_html
