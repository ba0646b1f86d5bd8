#include "model/P_UniqueStr.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "model/P_BigBlock.h"
#include "model/P_TextArena.h"
#include "model/P_Hash.h"

namespace {

// Texts are copied into large blocks that are never freed or moved, so the
// returned pointers stay valid for the run and storing a new text costs no
// allocation of its own.  Each copy is preceded by a header: the link
// (P_setUniqueStrLink), then eight bytes holding its length, so the index
// needs only the text pointer and the hash to compare a candidate, and the
// tag (P_setUniqueStrTag).
//
// The index is an open-addressing table (linear probing) of 16-byte slots
// that keep the full hash: growing it never rehashes a text, and a probe
// only touches a text whose hash matched.  A run interns millions of names,
// so this is the hottest lookup of the record reader.
class UniqueStrStore {
 public:
  UniqueStrStore() { m_slots = newTable(kInitialSlots); m_capacity = kInitialSlots; }

  // Asks the memory system for the index slot where the lookup of `text`
  // will start, so that the lookup does not wait for it.
  void prefetch(std::string_view text) const {
    const uint64_t hash = P_hashBytes(text.data(), text.size()) | kUsedBit;
    __builtin_prefetch(&m_slots[hash & (m_capacity - 1)]);
  }

  const char* intern(std::string_view text) {
    const uint64_t hash = P_hashBytes(text.data(), text.size()) | kUsedBit;
    const std::size_t mask = m_capacity - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      const Slot& slot = m_slots[i];
      if (slot.hash == 0) break;
      if (slot.hash == hash && sameText(slot.text, text)) return slot.text;
    }
    const char* copy = copyText(text);
    m_bytes += text.size() + 1;
    if (++m_count * 4 > m_capacity * 3) grow();
    place(Slot{copy, hash});
    return copy;
  }
  std::size_t count() const { return m_count; }
  std::size_t bytes() const { return m_bytes; }

 private:
  struct Slot {
    const char* text = nullptr;
    uint64_t hash = 0;  // 0 marks a free slot
  };
  static constexpr std::size_t kInitialSlots = 1 << 16;
  static constexpr uint64_t kUsedBit = uint64_t{1} << 63;
  static constexpr std::size_t kHeader = sizeof(uint64_t);
  static constexpr std::size_t kLink = sizeof(const char*);  // before the header

  // The header holds the length in its low 56 bits and the tag in the top
  // eight.
  static constexpr unsigned kTagShift = 56;
  static constexpr uint64_t kLengthMask = (uint64_t{1} << kTagShift) - 1;
  static uint64_t headerOf(const char* text) {
    uint64_t header;
    std::memcpy(&header, text - kHeader, kHeader);
    return header;
  }

 public:
  static std::size_t lengthOf(const char* text) { return static_cast<std::size_t>(headerOf(text) & kLengthMask); }
  static const char* linkOf(const char* text) {
    const char* link;
    std::memcpy(&link, text - kHeader - kLink, kLink);
    return link;
  }
  static void setLink(char* text, const char* link) { std::memcpy(text - kHeader - kLink, &link, kLink); }
  static uint8_t tagOf(const char* text) { return static_cast<uint8_t>(headerOf(text) >> kTagShift); }
  static void setTag(char* text, uint8_t tag) {
    const uint64_t header = (headerOf(text) & kLengthMask) | (uint64_t{tag} << kTagShift);
    std::memcpy(text - kHeader, &header, kHeader);
  }

 private:
  static bool sameText(const char* stored, std::string_view text) {
    return lengthOf(stored) == text.size() && (text.empty() || std::memcmp(stored, text.data(), text.size()) == 0);
  }

  static Slot* newTable(std::size_t capacity) {
    Slot* table = static_cast<Slot*>(P_allocateBigBlock(capacity * sizeof(Slot)));
    for (std::size_t i = 0; i < capacity; ++i) table[i] = Slot();
    return table;
  }
  void place(const Slot& entry) {
    const std::size_t mask = m_capacity - 1;
    std::size_t i = entry.hash & mask;
    while (m_slots[i].hash != 0) i = (i + 1) & mask;
    m_slots[i] = entry;
  }
  void grow() {
    Slot* old = m_slots;
    const std::size_t oldCapacity = m_capacity;
    m_capacity *= 2;
    m_slots = newTable(m_capacity);
    for (std::size_t i = 0; i < oldCapacity; ++i) {
      if (old[i].hash != 0) place(old[i]);
    }
    P_freeBigBlock(old);
  }

  const char* copyText(std::string_view text) {
    const std::size_t length = text.size();
    // The length header is read with memcpy, so it needs no alignment.
    char* dest = m_texts.reserve(kLink + kHeader + length + 1);
    const char* const noLink = nullptr;
    std::memcpy(dest, &noLink, kLink);
    dest += kLink;
    const uint64_t header = length;  // tag 0
    std::memcpy(dest, &header, kHeader);
    dest += kHeader;
    if (length != 0) std::memcpy(dest, text.data(), length);
    dest[length] = '\0';
    return dest;
  }

  // The index: m_capacity slots, a power of two.
  Slot* m_slots = nullptr;
  std::size_t m_capacity = 0;
  P_TextArena m_texts;
  std::size_t m_count = 0;
  std::size_t m_bytes = 0;
};

UniqueStrStore& store() {
  static UniqueStrStore* s = new UniqueStrStore();  // kept until the process ends
  return *s;
}

}  // namespace

const char* P_createUniqueStr(std::string_view text) { return store().intern(text); }

void P_prefetchUniqueStr(std::string_view text) { store().prefetch(text); }

uint8_t P_getUniqueStrTag(const char* interned) { return UniqueStrStore::tagOf(interned); }

std::size_t P_getUniqueStrLength(const char* interned) { return UniqueStrStore::lengthOf(interned); }

const char* P_getUniqueStrLink(const char* interned) { return UniqueStrStore::linkOf(interned); }

// Like the tag, the link lives in the header, beside the unchanged text.
void P_setUniqueStrLink(const char* interned, const char* link) {
  UniqueStrStore::setLink(const_cast<char*>(interned), link);
}

// The store owns the text; only its header changes, never the text.
void P_setUniqueStrTag(const char* interned, uint8_t tag) {
  UniqueStrStore::setTag(const_cast<char*>(interned), tag);
}

std::size_t P_getUniqueStrCount() { return store().count(); }
std::size_t P_getUniqueStrBytes() { return store().bytes(); }
