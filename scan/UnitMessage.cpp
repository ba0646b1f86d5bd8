#include "scan/UnitMessage.h"

#include <vector>

namespace kxdf_scan {

namespace {

void put(std::string& out, const std::string& text) { out += std::to_string(text.size()) + ":" + text; }

void putList(std::string& out, const std::vector<std::string>& list) {
  put(out, std::to_string(list.size()));
  for (const std::string& item : list) put(out, item);
}

// Reads the fields put() wrote, in order.
class Reader {
 public:
  explicit Reader(const std::string& bytes) : m_bytes(bytes) {}
  bool get(std::string& text) {
    size_t length = 0, digits = 0;
    while (m_at < m_bytes.size() && m_bytes[m_at] >= '0' && m_bytes[m_at] <= '9' && digits < 12) {
      length = length * 10 + static_cast<size_t>(m_bytes[m_at++] - '0');
      ++digits;
    }
    if (digits == 0 || m_at >= m_bytes.size() || m_bytes[m_at] != ':') return false;
    ++m_at;
    if (length > m_bytes.size() - m_at) return false;
    text = m_bytes.substr(m_at, length);
    m_at += length;
    return true;
  }
  bool getList(std::vector<std::string>& list) {
    std::string count;
    if (!get(count) || count.empty() || count.size() > 9 || count.find_first_not_of("0123456789") != std::string::npos)
      return false;
    const size_t n = std::stoul(count);
    if (n > (m_bytes.size() - m_at) / 2) return false;  // every item takes two bytes at least
    list.assign(n, "");
    for (std::string& item : list)
      if (!get(item)) return false;
    return true;
  }
  bool atEnd() const { return m_at == m_bytes.size(); }

 private:
  const std::string& m_bytes;
  size_t m_at = 0;
};

}  // namespace

std::string encodeJob(const UnitJob& job, const ScanSettings& settings) {
  std::string out;
  put(out, job.source);
  put(out, job.directory);
  putList(out, job.arguments);
  putList(out, settings.recordDirs);
  put(out, settings.resourceDir);
  put(out, settings.clangView ? "view" : "");
  return out;
}

bool decodeJob(const std::string& bytes, UnitJob& job, ScanSettings& settings) {
  Reader in(bytes);
  std::string view;
  if (!in.get(job.source) || !in.get(job.directory) || !in.getList(job.arguments) || !in.getList(settings.recordDirs) ||
      !in.get(settings.resourceDir) || !in.get(view))
    return false;
  settings.clangView = view == "view";
  return in.atEnd();
}

std::string encodeResult(const UnitResult& result) {
  std::string out;
  put(out, result.ok ? "ok" : "failed");
  putList(out, result.lines);
  putList(out, result.inputs);
  putList(out, result.viewLines);
  put(out, result.diagnostics);
  put(out, result.failure);
  return out;
}

bool decodeResult(const std::string& bytes, UnitResult& result) {
  Reader in(bytes);
  std::string ok;
  if (!in.get(ok) || !in.getList(result.lines) || !in.getList(result.inputs) || !in.getList(result.viewLines) ||
      !in.get(result.diagnostics) || !in.get(result.failure))
    return false;
  result.ok = ok == "ok";
  return in.atEnd();
}

}  // namespace kxdf_scan
