#ifndef MODEL_PI_ITERATORS_H
#define MODEL_PI_ITERATORS_H

#include "model/PI_IterCont.h"
#include "util/U_Assert.h"

// The element at a live position of a family whose container holds smart
// pointers: the raw pointer, which must be set.
template <class Position>
auto* P_derefHandle(Position pos) {
  U_ASSERT(0 != pos->pointer () && "DefinePtr is Null pointer in container.");
  U_ASSERT(pos->isSet () && "Unset DefinePtr in container.");
  return pos->pointer ();
}

// The same for multimap positions, whose element is the mapped pointer.
template <class Position>
auto* P_derefMappedHandle(Position pos) {
  U_ASSERT(0 != pos->second.pointer () && "Null pointer in container.");
  return pos->second.pointer ();
}

// Runs the family's data function: null at the end of the range.
template <class Store, class Deref>
auto* P_iterData(Store& store, int32_t id, Deref deref) {
  auto& it = store.entry(id);
  using Result = decltype(deref(it.current));
  if (it.current == it.end) return static_cast<Result>(nullptr);
  return deref(it.current);
}

#endif
