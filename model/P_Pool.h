#ifndef MODEL_P_POOL_H
#define MODEL_P_POOL_H

#include <cstddef>
#include <new>

#include "model/P_BigBlock.h"

// Allocation of the model's many small objects (one define per record, one
// symbol per entity, ...): objects of one size are cut from big blocks and
// freed objects are kept on a free list for the next one.  This saves the
// general allocator's per-object header and most of its work.
//
// A class uses it through its own operator new/delete; objects of another
// size (a derived class) go to the general allocator.
template <class T>
class P_Pool {
 public:
  static void* allocate(std::size_t size) {
    if (size != sizeof(T)) return ::operator new(size);
    State& s = state();
    if (s.freeList != nullptr) {
      FreeObject* object = s.freeList;
      s.freeList = object->next;
      return object;
    }
    if (s.next == s.end) refill(s);
    void* object = s.next;
    s.next += kSlot;
    return object;
  }
  static void release(void* object, std::size_t size) {
    if (object == nullptr) return;
    if (size != sizeof(T)) return ::operator delete(object);
    State& s = state();
    s.freeList = new (object) FreeObject{s.freeList};
  }

 private:
  struct FreeObject {
    FreeObject* next;
  };
  static constexpr std::size_t kAlign = alignof(T) > alignof(FreeObject) ? alignof(T) : alignof(FreeObject);
  static constexpr std::size_t kRaw = sizeof(T) > sizeof(FreeObject) ? sizeof(T) : sizeof(FreeObject);
  static constexpr std::size_t kSlot = (kRaw + kAlign - 1) / kAlign * kAlign;

  struct State {
    char* next = nullptr;
    char* end = nullptr;
    FreeObject* freeList = nullptr;
  };
  static State& state() {
    static State* s = new State();  // the pool lives for the whole run
    return *s;
  }
  static void refill(State& s) {
    s.next = static_cast<char*>(P_allocateBigBlock(P_kBigBlockSize));
    s.end = s.next + P_kBigBlockSize / kSlot * kSlot;
  }
};

// Allocator for node-based containers (sets, maps) of the model: single
// nodes come from the pool of their size, arrays from the general allocator.
template <class T>
struct P_PoolAllocator {
  using value_type = T;
  P_PoolAllocator() = default;
  template <class U>
  P_PoolAllocator(const P_PoolAllocator<U>&) {}  // NOLINT: rebinding is implicit by design

  T* allocate(std::size_t n) {
    if (n == 1) return static_cast<T*>(P_Pool<T>::allocate(sizeof(T)));
    return static_cast<T*>(::operator new(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t n) {
    if (n == 1) return P_Pool<T>::release(p, sizeof(T));
    ::operator delete(p);
  }
  template <class U>
  bool operator==(const P_PoolAllocator<U>&) const {
    return true;
  }
};

// Declares pooled operator new/delete inside a class body.
#define P_POOLED_ALLOCATION(Class)                                                   \
  static void* operator new(std::size_t size) { return P_Pool<Class>::allocate(size); } \
  static void operator delete(void* object, std::size_t size) { P_Pool<Class>::release(object, size); }

#endif
