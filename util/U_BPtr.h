#ifndef UTIL_U_BPTR_H
#define UTIL_U_BPTR_H

#include <utility>

#include "util/U_Ref.h"

// Intrusive shared pointer to a U_Ref-derived object.  Copies share the
// object; the last one to go destroys it through its virtual destructor.
template <class T>
class U_BPtr {
 public:
  U_BPtr() = default;
  U_BPtr(T* p) : m_ptr(p) { acquire(); }  // NOLINT: implicit by design
  U_BPtr(const U_BPtr& other) : m_ptr(other.m_ptr) { acquire(); }
  // A move hands the reference over without touching the object: growing
  // a container of handles then leaves the objects' memory alone.
  U_BPtr(U_BPtr&& other) noexcept : m_ptr(std::exchange(other.m_ptr, nullptr)) {}
  template <class U>
  U_BPtr(const U_BPtr<U>& other) : m_ptr(other.pointer()) { acquire(); }
  ~U_BPtr() { releasePtr(); }

  U_BPtr& operator=(const U_BPtr& other) { return assign(other.m_ptr); }
  U_BPtr& operator=(U_BPtr&& other) noexcept {
    if (this != &other) {
      // Taken first: releasing ours may destroy the object holding `other`.
      T* incoming = std::exchange(other.m_ptr, nullptr);
      releasePtr();
      m_ptr = incoming;
    }
    return *this;
  }
  U_BPtr& operator=(T* p) { return assign(p); }

  bool isSet() const { return m_ptr != nullptr; }
  T* pointer() const { return m_ptr; }
  T* getHandle() const { return m_ptr; }
  T* operator->() const { return m_ptr; }
  T& operator*() const { return *m_ptr; }

  bool compare_less(const U_BPtr& other) const { return m_ptr < other.m_ptr; }
  bool compare_not_equal(const U_BPtr& other) const { return m_ptr != other.m_ptr; }
  bool operator<(const U_BPtr& other) const { return m_ptr < other.m_ptr; }
  bool operator==(const U_BPtr& other) const { return m_ptr == other.m_ptr; }
  void swap(U_BPtr& other) { std::swap(m_ptr, other.m_ptr); }

 private:
  void acquire() {
    if (m_ptr) m_ptr->addRef();
  }
  void releasePtr() {
    if (m_ptr && m_ptr->release()) {
      T* doomed = m_ptr;
      m_ptr = nullptr;
      delete doomed;
    }
    m_ptr = nullptr;
  }
  // Takes the new pointee first so that self-assignment keeps the object.
  U_BPtr& assign(T* p) {
    if (p) p->addRef();
    releasePtr();
    m_ptr = p;
    return *this;
  }

  T* m_ptr = nullptr;
};

#endif
