#include "model/DefineRecordCache.h"

#include <cstring>

#include "model/P_Hash.h"

namespace {

constexpr std::size_t kInitialSlots = 1024;
constexpr uint64_t kUsedBit = uint64_t{1} << 63;

}  // namespace

DefineRecordCache::DefineRecordCache() : m_slots(kInitialSlots) {}

uint64_t DefineRecordCache::hashOf(std::string_view text) { return P_hashBytes(text.data(), text.size()) | kUsedBit; }

bool DefineRecordCache::Entry::holds(std::string_view t) const {
  return length == t.size() && std::memcmp(text, t.data(), t.size()) == 0;
}

const DefineRecordFields* DefineRecordCache::findNext(std::string_view text) {
  if (m_next >= m_entries.size()) return nullptr;
  const Entry& entry = m_entries[m_next];
  if (!entry.holds(text)) return nullptr;
  ++m_next;
  return &entry.fields;
}

const DefineRecordFields* DefineRecordCache::find(std::string_view text, uint64_t hash) {
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = m_slots[i];
    if (slot.hash == 0) return nullptr;
    if (slot.hash == hash && slot.entry->holds(text)) {
      m_next = slot.entry->index + 1;
      return &slot.entry->fields;
    }
  }
}

void DefineRecordCache::add(std::string_view text, uint64_t hash, const DefineRecordFields& fields) {
  if ((m_entries.size() + 1) * 4 > m_slots.size() * 3) grow();
  m_entries.push_back(Entry{copyText(text), text.size(), m_entries.size(), fields});
  place(Slot{hash, &m_entries.back()});
  m_next = m_entries.size();
}

const char* DefineRecordCache::copyText(std::string_view text) {
  if (text.empty()) return "";
  char* dest = m_texts.reserve(text.size());
  std::memcpy(dest, text.data(), text.size());
  return dest;
}

void DefineRecordCache::place(const Slot& slot) {
  const std::size_t mask = m_slots.size() - 1;
  std::size_t i = slot.hash & mask;
  while (m_slots[i].hash != 0) i = (i + 1) & mask;
  m_slots[i] = slot;
}

void DefineRecordCache::grow() {
  std::vector<Slot> old(m_slots.size() * 2);
  old.swap(m_slots);
  for (const Slot& slot : old) {
    if (slot.hash != 0) place(slot);
  }
}
