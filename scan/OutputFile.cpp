#include "scan/OutputFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <regex>

namespace kxdf_scan {

namespace {

// A short name that no other writer picks: the name of the final file may
// already be as long as the file system allows.
std::string temporaryName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  static const unsigned seed = std::random_device{}();
  const size_t slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".kxdf-%08x%04x", seed ^ static_cast<unsigned>(getpid()),
                (counter++) & 0xffffu);
  return dir + suffix;
}

// Opens a new file; never an existing one, never through a link.
int createNew(const std::string& path, std::string& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = temporaryName(path);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

std::string failure(const std::string& path) { return "cannot write file " + path + ": " + std::strerror(errno); }

}  // namespace

bool writeAll(int fd, const std::string& text) {
  for (size_t done = 0; done < text.size();) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

std::string writeWhole(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  std::string temporary;
  const int fd = createNew(path, temporary);
  if (fd < 0) return failure(path);
  const bool written = writeAll(fd, text);
  const int writeErrno = errno;
  if (close(fd) != 0 || !written) {
    if (!written) errno = writeErrno;
    const std::string error = failure(path);
    unlink(temporary.c_str());
    return error;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string error = failure(path);
    unlink(temporary.c_str());
    return error;
  }
  return "";
}

std::string prepareOutputDir(const std::string& dir, const std::string& sub) {
  struct stat st {};
  if (stat(dir.c_str(), &st) != 0) {
    // Parents first, one level at a time.
    const size_t slash = dir.rfind('/');
    if (slash != std::string::npos && slash > 0) {
      std::string error = prepareOutputDir(dir.substr(0, slash), "");
      if (!error.empty()) return error;
    }
    if (mkdir(dir.c_str(), 0777) != 0 && errno != EEXIST) return dir + ": " + std::strerror(errno);
  } else if (!S_ISDIR(st.st_mode)) {
    return dir + ": not a directory";
  }
  if (sub.empty()) return "";
  const std::string inner = dir + "/" + sub;
  if (mkdir(inner.c_str(), 0777) != 0 && errno != EEXIST) return inner + ": " + std::strerror(errno);
  if (lstat(inner.c_str(), &st) != 0) return inner + ": " + std::strerror(errno);
  if (!S_ISDIR(st.st_mode)) return inner + ": not a directory (a symbolic link is not followed)";
  return "";
}

std::string lockOutputDir(const std::string& dir) {
  const std::string path = dir + "/lock";
  // Left open on purpose: the lock lasts as long as the process.
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return "cannot open " + path + ": " + std::strerror(errno);
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) return "";
  const std::string error = errno == EWOULDBLOCK ? "another kxdf.scan is writing there" : std::strerror(errno);
  close(fd);
  return error;
}

void removeTemporaries(const std::string& dir) {
  DIR* folder = opendir(dir.c_str());
  if (!folder) return;
  static const std::regex temporary(R"(\.kxdf-[0-9a-f]{12})");
  std::vector<std::string> names;
  while (const dirent* entry = readdir(folder))
    if (std::regex_match(entry->d_name, temporary)) names.push_back(entry->d_name);
  closedir(folder);
  for (const std::string& name : names) unlink((dir + "/" + name).c_str());
}

bool breaksRecordLine(const std::string& text) { return text.find_first_of("\"\n\r") != std::string::npos; }

}  // namespace kxdf_scan
