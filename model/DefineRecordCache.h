#ifndef MODEL_DEFINERECORDCACHE_H
#define MODEL_DEFINERECORDCACHE_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

#include "model/FilenameProxy.h"
#include "model/P_TextArena.h"
#include "util/U_BPtr.h"

// What a "DEFINE" record line says, with its texts interned and its file
// resolved: everything a P_Define is made of.
struct DefineRecordFields {
  const char* name = nullptr;
  U_BPtr<FilenameProxy> file;
  int32_t line = 0;
  uint32_t defAt = 0;  // where the def field starts in the record line
  const char* type = nullptr;
  uint32_t flags = 0;
  uint8_t inc = 0;
  uint8_t def = 0;
  uint8_t space = 0;
  uint8_t scope = 0;
  uint8_t linkage = 0;
};

// The fields of record lines read before, by the line's exact text.  Every
// unit repeats, byte for byte, the records of the headers it includes, so
// such a line needs to be split, marked and interned only once per run.
// Texts and fields are kept for the run.
class DefineRecordCache {
 public:
  DefineRecordCache();
  DefineRecordCache(const DefineRecordCache&) = delete;
  DefineRecordCache& operator=(const DefineRecordCache&) = delete;

  static uint64_t hashOf(std::string_view text);
  // The fields of the text stored right after the one last found or added,
  // when that is exactly this text; null otherwise.  A unit repeats a
  // header's records in the order they were first read, so this usually
  // finds them without hashing the line or searching the index.
  const DefineRecordFields* findNext(std::string_view text);
  // The fields stored for exactly this text (whose hashOf is `hash`), or null.
  const DefineRecordFields* find(std::string_view text, uint64_t hash);
  // Stores the fields of a text not stored yet.
  void add(std::string_view text, uint64_t hash, const DefineRecordFields& fields);
  std::size_t size() const { return m_entries.size(); }

 private:
  struct Entry {
    const char* text;
    std::size_t length;
    std::size_t index;  // in m_entries
    DefineRecordFields fields;
    bool holds(std::string_view t) const;
  };
  struct Slot {
    uint64_t hash = 0;  // 0 marks a free slot
    const Entry* entry = nullptr;
  };

  const char* copyText(std::string_view text);
  void place(const Slot& slot);
  void grow();

  std::vector<Slot> m_slots;  // a power of two of them
  std::deque<Entry> m_entries;
  P_TextArena m_texts;  // the texts of the entries
  std::size_t m_next = 0;  // index of the entry after the one last found or added
};

#endif
