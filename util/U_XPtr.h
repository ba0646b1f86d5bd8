#ifndef UTIL_U_XPTR_H
#define UTIL_U_XPTR_H

#include <cstdint>

namespace U_XPtrHelper {
template <class T>
struct DefaultDelete {
  void operator()(T* p) const { delete p; }
};
}  // namespace U_XPtrHelper

// Non-intrusive shared pointer for objects owned by a model container and
// also referred to by iterators.  A shared cell holds the object pointer and
// a shared count holds the number of owners.
template <class T, class Deleter = U_XPtrHelper::DefaultDelete<T>>
class U_XPtr {
 public:
  U_XPtr() = default;
  explicit U_XPtr(T* p) : m_cell(new T*(p)), m_count(new int32_t(1)) {}
  U_XPtr(const U_XPtr& other) : m_cell(other.m_cell), m_count(other.m_count) { acquire(); }
  ~U_XPtr() { releasePtr(); }

  U_XPtr& operator=(const U_XPtr& other) {
    if (this != &other) {
      U_XPtr copy(other);
      swap(copy);
    }
    return *this;
  }

  bool isSet() const { return m_cell != nullptr && *m_cell != nullptr; }
  T* pointer() const { return m_cell ? *m_cell : nullptr; }
  T* get() const { return pointer(); }
  T* operator->() const { return pointer(); }
  T& operator*() const { return *pointer(); }

  bool operator==(const U_XPtr& other) const { return m_cell == other.m_cell; }
  bool operator!=(const U_XPtr& other) const { return m_cell != other.m_cell; }
  bool operator<(const U_XPtr& other) const { return m_cell < other.m_cell; }
  void swap(U_XPtr& other) {
    T** c = m_cell;
    m_cell = other.m_cell;
    other.m_cell = c;
    int32_t* n = m_count;
    m_count = other.m_count;
    other.m_count = n;
  }
  int32_t useCount() const { return m_count ? *m_count : 0; }

 private:
  void acquire() {
    if (m_cell && m_count) ++*m_count;
  }
  void releasePtr() {
    if (m_cell && m_count && --*m_count == 0) {
      Deleter()(*m_cell);
      delete m_cell;
      delete m_count;
    }
    m_cell = nullptr;
    m_count = nullptr;
  }

  T** m_cell = nullptr;
  int32_t* m_count = nullptr;
};

#endif
