#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

#include "source/Qgen.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Opens a regular file for reading; null for anything else.  The open does
// not wait (a FIFO would block it) and the type is checked on the opened
// file itself, so a FIFO or a device such as /dev/zero is never read.
std::FILE* openRegularFile(const U_String& name) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st;
  std::FILE* file = nullptr;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) file = ::fdopen(fd, "rb");
  if (file == nullptr) ::close(fd);
  return file;
}

// Reads the whole file; false when it is not a regular file or cannot be
// opened or read.
bool readWholeFile(const U_String& name, U_String& content) {
  std::unique_ptr<std::FILE, FileCloser> file(openRegularFile(name));
  if (!file) return false;
  // The size is only a hint for the buffer: the read goes on to the end
  // whatever it says.
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long size = std::ftell(file.get());
    if (size > 0 && size < (1L << 30)) content.reserve(static_cast<std::size_t>(size));
    std::rewind(file.get());
  }
  char buf[65536];
  std::size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, file.get())) > 0) content.append(buf, got);
  return !std::ferror(file.get());
}

}  // namespace

namespace Qgen {

long fstream_size(std::istream& stream) {
  const std::istream::pos_type here = stream.tellg();
  stream.seekg(0, std::ios::end);
  const std::istream::pos_type end = stream.tellg();
  stream.seekg(0, std::ios::beg);
  const std::istream::pos_type start = stream.tellg();
  stream.seekg(here);
  return static_cast<long>(end - start);
}

std::vector<U_String> load_file_as_ustringlist(const U_String& name) {
  std::vector<U_String> lines;
  U_String content;
  if (!readWholeFile(name, content)) {
    std::cerr << "cannot open file " << name << "\n";
    return lines;
  }
  lines.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == U_String::npos) end = content.size();
    std::size_t keep = end;
    while (keep > start && content[keep - 1] == '\r') --keep;
    lines.emplace_back(content, start, keep - start);
    start = end + 1;
  }
  return lines;
}

int search(const std::vector<U_String>& lines, const U_String& text, int from, int to) {
  if (from < 0) from = 0;
  const int last = static_cast<int>(lines.size()) - 1;
  if (to > last) to = last;
  for (int i = from; i <= to; ++i)
    if (lines[static_cast<std::size_t>(i)].find(text) != U_String::npos) return i;
  return -1;
}

bool files_are_same(const U_String& a, const U_String& b) {
  struct stat sa, sb;
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::vector<U_String> split_string_simple(const U_String& s, const U_String& separator, int max) {
  std::vector<U_String> pieces;
  if (s.empty()) return pieces;
  if (separator.empty()) return {s};
  std::size_t start = 0;
  std::size_t p;
  while ((max < 1 || static_cast<int>(pieces.size()) < max - 1) &&
         (p = s.find(separator, start)) != U_String::npos) {
    pieces.push_back(s.substr(start, p - start));
    start = p + separator.size();
  }
  pieces.push_back(s.substr(start));
  return pieces;
}

}  // namespace Qgen
