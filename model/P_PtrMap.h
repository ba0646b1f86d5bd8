#ifndef MODEL_P_PTRMAP_H
#define MODEL_P_PTRMAP_H

#include <cstddef>
#include <utility>
#include <vector>

#include "model/P_Hash.h"

// Map from interned-string pointers to plain values, for the per-record
// lookups of the model (symbol keys, template names).  Keys are compared by
// pointer.  Open addressing with linear probing keeps each entry in one
// 16-byte slot instead of a heap node; entries are never removed one by one,
// only all at once.
template <class V>
class P_PtrMap {
 public:
  P_PtrMap() = default;

  // The value of key, or null.
  V* find(const void* key) {
    if (key == nullptr) return m_hasNull ? &m_nullValue : nullptr;
    if (m_slots.empty()) return nullptr;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = P_hashPointer(key) & mask;; i = (i + 1) & mask) {
      if (m_slots[i].first == key) return &m_slots[i].second;
      if (m_slots[i].first == nullptr) return nullptr;
    }
  }
  const V* find(const void* key) const { return const_cast<P_PtrMap*>(this)->find(key); }
  bool contains(const void* key) const { return find(key) != nullptr; }

  // Adds key with value unless key is present; returns the stored value and
  // whether it was added (as std::map::emplace does).
  std::pair<V*, bool> emplace(const void* key, const V& value) {
    if (V* found = find(key)) return {found, false};
    if (key == nullptr) {
      m_hasNull = true;
      m_nullValue = value;
      ++m_count;
      return {&m_nullValue, true};
    }
    if ((m_count + 1) * 4 > m_slots.size() * 3) grow();
    ++m_count;
    return {place(key, value), true};
  }

  std::size_t size() const { return m_count; }

  // Forgets every entry.  The table shrinks to what the entries just
  // forgotten needed, so that clearing after each file costs no more than
  // filling it did.
  void clear() {
    std::size_t capacity = kMinSlots;
    while (capacity * 3 < m_count * 4) capacity *= 2;
    m_slots.assign(m_count == 0 && m_slots.empty() ? 0 : capacity, Slot(nullptr, V()));
    m_count = 0;
    m_hasNull = false;
    m_nullValue = V();
  }

 private:
  using Slot = std::pair<const void*, V>;
  static constexpr std::size_t kMinSlots = 16;

  V* place(const void* key, const V& value) {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = P_hashPointer(key) & mask;
    while (m_slots[i].first != nullptr) i = (i + 1) & mask;
    m_slots[i] = Slot(key, value);
    return &m_slots[i].second;
  }
  void grow() {
    std::vector<Slot> old(m_slots.empty() ? kMinSlots : m_slots.size() * 2, Slot(nullptr, V()));
    old.swap(m_slots);
    for (const Slot& entry : old) {
      if (entry.first != nullptr) place(entry.first, entry.second);
    }
  }

  std::vector<Slot> m_slots;
  std::size_t m_count = 0;
  bool m_hasNull = false;
  V m_nullValue = V();
};

#endif
