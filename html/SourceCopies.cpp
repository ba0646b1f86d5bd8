#include "html/SourceCopies.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "html/Escape.h"
#include "html/InputFile.h"

namespace kxdf_html {

namespace {

std::vector<std::string> splitLines(const std::string& content) {
  std::vector<std::string> lines;
  std::istringstream in(content);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The text after "  N: " when the line is numbered n, else nothing.
std::optional<std::string> numberedText(const std::string& line, size_t n) {
  size_t i = line.find_first_not_of(' ');
  const std::string number = std::to_string(n);
  if (i == std::string::npos || line.compare(i, number.size(), number) != 0) return std::nullopt;
  i += number.size();
  if (line.compare(i, 2, ": ") != 0) return std::nullopt;
  return line.substr(i + 2);
}

std::string lastComponent(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::optional<SourceCopy> parseSourceCopy(const std::string& content) {
  const std::vector<std::string> lines = splitLines(content);
  if (lines.size() < 3 || !lines[2].empty()) return std::nullopt;
  const size_t indent = lines[0].find_first_not_of(' ');
  if (indent == std::string::npos) return std::nullopt;
  SourceCopy copy;
  copy.sourceName = lines[0].substr(indent);
  // The star line has one star per byte of the name, after the same indent.
  if (lines[1] != std::string(indent, ' ') + std::string(copy.sourceName.size(), '*')) return std::nullopt;
  copy.sourceName = validUtf8(copy.sourceName);
  for (size_t i = 3; i < lines.size(); ++i) {
    std::optional<std::string> text = numberedText(lines[i], i - 2);
    if (!text) return std::nullopt;
    copy.lines.push_back(validUtf8(*text));
  }
  return copy;
}

SourceCopies SourceCopies::load(const std::string& reportDir) {
  std::vector<std::filesystem::path> paths;
  std::error_code ec;
  // Incremented with an error code: a listing that fails part way is
  // named instead of throwing.
  for (std::filesystem::directory_iterator it(reportDir, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".txt") paths.push_back(it->path());
  }
  std::sort(paths.begin(), paths.end());  // page names must not depend on directory order
  SourceCopies copies;
  if (ec) copies.m_skipped.push_back(reportDir + ": numbered copies skipped, cannot list: " + ec.message());
  for (const auto& path : paths) {
    const InputFile file = readRegularFile(path.string(), kMaxCopyBytes);
    if (!file.ok) {
      copies.m_skipped.push_back(path.string() + ": skipped, " + file.error);
      continue;
    }
    std::optional<SourceCopy> copy = parseSourceCopy(file.content);
    if (!copy) continue;
    copy->copyName = path.filename().string();
    copies.add(std::move(*copy));
  }
  return copies;
}

void SourceCopies::add(SourceCopy copy) {
  // The copy's own name is short and already unique within the report.
  std::string base = copy.copyName.empty() ? copy.sourceName : copy.copyName;
  if (base.size() > 4 && base.compare(base.size() - 4, 4, ".txt") == 0) base.resize(base.size() - 4);
  std::string stem = "src_" + safeFileStem(base);
  // Room for a clash number, ".html" and the temporary name's extra
  // characters within the 255 bytes a file name may have.
  if (stem.size() > kMaxPageStem) stem.resize(kMaxPageStem);
  std::string page = stem + ".html";
  // Numbering goes on from the last number this stem took: the names
  // skipped then are still taken, and many clashing names stay linear.
  int& n = m_lastNumber[stem];
  while (m_pageNames.count(page)) {
    n = std::max(n, 1) + 1;
    page = stem + "_" + std::to_string(n) + ".html";
  }
  m_pageNames.insert(page);
  copy.pageName = page;
  m_bySource.emplace(copy.sourceName, m_copies.size());
  if (!copy.copyName.empty()) m_byCopyName.emplace(copy.copyName, m_copies.size());
  m_copies.push_back(std::move(copy));
}

const SourceCopy* SourceCopies::find(const std::string& sourceName, const std::string& href) const {
  auto it = m_bySource.find(sourceName);
  if (it != m_bySource.end()) return &m_copies[it->second];
  if (!href.empty()) {
    it = m_byCopyName.find(lastComponent(href));
    if (it != m_byCopyName.end()) return &m_copies[it->second];
  }
  return nullptr;
}

const std::vector<std::string>& SourceCopies::skipped() const { return m_skipped; }

std::vector<const SourceCopy*> SourceCopies::all() const {
  std::vector<const SourceCopy*> out;
  for (const SourceCopy& copy : m_copies) out.push_back(&copy);
  std::sort(out.begin(), out.end(), [](const SourceCopy* a, const SourceCopy* b) {
    return a->sourceName != b->sourceName ? a->sourceName < b->sourceName : a->pageName < b->pageName;
  });
  return out;
}

}  // namespace kxdf_html
