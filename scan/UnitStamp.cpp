#include "scan/UnitStamp.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>

#include "scan/OutputFile.h"

namespace kxdf_scan {

namespace {

// The version of the record conventions; a change rescans every unit.
constexpr const char* kRecordVersion = "kxdf.scan records 1";

std::string hex64(const std::string& text) {
  unsigned long long hash = 1469598103934665603ull;  // FNV-1a: stable across runs and builds
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  char out[17];
  std::snprintf(out, sizeof out, "%016llx", hash);
  return out;
}

// Size and modification time of path, as one comparable text.
std::string fileState(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return "missing";
  return std::to_string(static_cast<long long>(st.st_size)) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
         std::to_string(st.st_mtim.tv_nsec);
}

}  // namespace

std::string commandKey(const UnitJob& job, const ScanSettings& settings) {
  std::string text = std::string(kRecordVersion) + '\0' + job.directory + '\0' + job.source + '\0';
  for (const std::string& arg : job.arguments) text += arg + '\0';
  text += "record";
  for (const std::string& dir : settings.recordDirs) text += '\0' + dir;
  text += '\0';
  text += settings.clangView ? "view" : "noview";
  text += '\0' + settings.resourceDir;
  return hex64(text);
}

bool stampIsCurrent(const std::string& stampPath, const std::string& key) {
  struct stat st {};
  if (stat(stampPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;  // a pipe would block
  std::ifstream in(stampPath);
  std::string line;
  if (!std::getline(in, line) || line != "key " + key) return false;
  bool any = false;
  while (std::getline(in, line)) {
    // Each line: the state the file had, a tab, its path.
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) return false;
    if (fileState(line.substr(tab + 1)) != line.substr(0, tab)) return false;
    any = true;
  }
  return any;
}

std::string stampName(const std::string& recordName) {
  const std::string plain = recordName + ".stamp";
  return plain.size() <= 255 ? plain : hex64(recordName) + ".stamp";
}

std::string writeStamp(const std::string& stampPath, const std::string& key, const std::vector<std::string>& inputs) {
  std::vector<std::string> lines{"key " + key};
  for (const std::string& input : inputs) lines.push_back(fileState(input) + "\t" + input);
  return writeWhole(stampPath, lines);
}

}  // namespace kxdf_scan
