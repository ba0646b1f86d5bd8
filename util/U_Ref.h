#ifndef UTIL_U_REF_H
#define UTIL_U_REF_H

#include <cstdint>

// Base of every object held by U_BPtr: a plain (unlocked) reference count.
class U_Ref {
 public:
  U_Ref() = default;
  U_Ref(const U_Ref&) : m_count(0) {}
  U_Ref& operator=(const U_Ref&) { return *this; }
  virtual ~U_Ref() = default;

  void addRef() { ++m_count; }
  // Returns true when the last reference went away.
  bool release() { return --m_count == 0; }
  int32_t refCount() const { return m_count; }

 private:
  int32_t m_count = 0;
};

#endif
