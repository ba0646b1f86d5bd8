#ifndef UTIL_U_SINGLETONSTRING_H
#define UTIL_U_SINGLETONSTRING_H

#include <cstring>
#include <set>

#include "util/U_String.h"

// Orders stored strings by their exact bytes.
struct SimpleStringCompare {
  bool operator()(const U_String& a, const U_String& b) const { return a < b; }
};
// File names compare by exact bytes on this platform.
using FilenameStringCompare = SimpleStringCompare;

// An interned string: every equal text of one Domain shares one stored copy
// that lives for the rest of the run, so handles compare by identity.
template <class Store, class Domain>
class U_SingletonString {
 public:
  U_SingletonString() = default;

  static U_SingletonString getString(const U_String& text) {
    auto& store = storage();
    auto it = store.insert(text).first;
    return U_SingletonString(&*it);
  }

  bool isSet() const { return m_text != nullptr; }
  const U_String& str() const { return m_text ? *m_text : empty(); }
  const char* c_str() const { return str().c_str(); }

  bool operator==(const U_SingletonString& o) const { return m_text == o.m_text; }
  bool operator!=(const U_SingletonString& o) const { return m_text != o.m_text; }
  // Identity order: fixed but arbitrary for the run.
  bool operator<(const U_SingletonString& o) const { return std::less<const U_String*>()(m_text, o.m_text); }
  bool compare_less(const U_SingletonString& o) const { return *this < o; }

 private:
  explicit U_SingletonString(const U_String* text) : m_text(text) {}
  static Store& storage() {
    static Store* store = new Store();  // lives until the process ends
    return *store;
  }
  static const U_String& empty() {
    static const U_String e;
    return e;
  }

  const U_String* m_text = nullptr;
};

struct FilenameDomain {};
struct LevelStringDomain {};

using U_FilenameStore = std::set<U_String, FilenameStringCompare>;
using U_LevelStringStore = std::set<U_String, SimpleStringCompare>;

#endif
