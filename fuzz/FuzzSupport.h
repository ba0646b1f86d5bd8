#ifndef FUZZ_FUZZSUPPORT_H
#define FUZZ_FUZZSUPPORT_H

// Helpers shared by the libFuzzer targets.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// Stops the run with a message when a property every input must keep is
// broken; libFuzzer reports the abort as a finding and saves the input.
#define FUZZ_CHECK(cond)                                                               \
  do {                                                                                 \
    if (!(cond)) {                                                                     \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                    \
    }                                                                                  \
  } while (0)

// The input as text.
inline std::string_view asText(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// Removes `path` when the process ends; paths go in the reverse order of
// their registration, so a directory's files go before the directory.
inline void removeAtExit(const std::string& path) {
  static std::vector<std::string>* paths = [] {
    auto* made = new std::vector<std::string>();
    std::atexit([] {
      for (auto it = paths->rbegin(); it != paths->rend(); ++it) std::remove(it->c_str());
    });
    return made;
  }();
  paths->push_back(path);
}

// A file of this process, named after the target and `suffix`; the path
// is the same for every input of one run.  It lies in memory (/dev/shm)
// where there is such a place: targets write a file for every input.
// The file (or directory, once emptied) is removed when the process ends.
inline std::string scratchPath(const char* target, const char* suffix) {
  const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  std::string path = std::string(dir) + "/tuk-fuzz-" + target + "-" + std::to_string(getpid()) + suffix;
  removeAtExit(path);
  return path;
}

// Replaces the file's content with `bytes`; false when it cannot be written.
inline bool writeFile(const std::string& path, std::string_view bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

// The lines of `text`, split at '\n' (a last line without one counts).
inline std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// Splits `text` at every occurrence of `separator` into at most `parts`
// pieces (the last piece keeps any further separators).
inline std::vector<std::string_view> splitParts(std::string_view text, std::string_view separator, size_t parts) {
  std::vector<std::string_view> out;
  while (out.size() + 1 < parts) {
    const size_t at = text.find(separator);
    if (at == std::string_view::npos) break;
    out.push_back(text.substr(0, at));
    text.remove_prefix(at + separator.size());
  }
  out.push_back(text);
  return out;
}

}  // namespace fuzz

#endif
