#include "model/P_UniqueStr.h"

#include <cstring>
#include <memory>
#include <unordered_set>
#include <vector>

namespace {

// Texts are copied into large blocks that are never freed or moved, so the
// returned pointers stay valid for the run and storing a new text costs no
// allocation of its own.
class UniqueStrStore {
 public:
  UniqueStrStore() { m_index.reserve(1 << 16); }

  const char* intern(std::string_view text) {
    auto it = m_index.find(text);
    if (it != m_index.end()) return it->data();
    const char* copy = copyText(text);
    m_index.insert(std::string_view(copy, text.size()));
    m_bytes += text.size() + 1;
    return copy;
  }
  std::size_t count() const { return m_index.size(); }
  std::size_t bytes() const { return m_bytes; }

 private:
  static constexpr std::size_t kBlockSize = 256 * 1024;

  const char* copyText(std::string_view text) {
    std::size_t need = text.size() + 1;
    if (need > kBlockSize / 4) {
      // Large texts get a block of their own so that they waste no space.
      m_large.push_back(std::make_unique<char[]>(need));
      return fill(m_large.back().get(), text);
    }
    if (m_used + need > kBlockSize || m_blocks.empty()) {
      m_blocks.push_back(std::make_unique<char[]>(kBlockSize));
      m_used = 0;
    }
    char* dest = m_blocks.back().get() + m_used;
    m_used += need;
    return fill(dest, text);
  }
  static const char* fill(char* dest, std::string_view text) {
    if (!text.empty()) std::memcpy(dest, text.data(), text.size());
    dest[text.size()] = '\0';
    return dest;
  }

  std::unordered_set<std::string_view> m_index;
  std::vector<std::unique_ptr<char[]>> m_blocks;
  std::vector<std::unique_ptr<char[]>> m_large;
  std::size_t m_used = 0;
  std::size_t m_bytes = 0;
};

UniqueStrStore& store() {
  static UniqueStrStore* s = new UniqueStrStore();  // kept until the process ends
  return *s;
}

}  // namespace

const char* P_createUniqueStr(std::string_view text) { return store().intern(text); }

std::size_t P_getUniqueStrCount() { return store().count(); }
std::size_t P_getUniqueStrBytes() { return store().bytes(); }
