#ifndef MODEL_PI_ITERCONT_H
#define MODEL_PI_ITERCONT_H

#include <cstdint>
#include <vector>

#include "util/U_Assert.h"

// One live loop of the iteration interface: its id and its current and end
// positions in a model container.
template <class Position>
struct P_IterEntry {
  int32_t id;
  Position current;
  Position end;
};

// Store of the live loops of one iterator family.  A check holds only the
// id of its loop; the positions stay here.  Ids are indexes into the store:
// a loop that reaches its end releases its id, and the next start of the
// family takes the most recently released one, so a check that always
// finishes its loops keeps the store small.  Empty or abandoned loops keep
// their id for the rest of the run.
template <class Container, class Iter, class Data>
class IterCont {
 public:
  using Position = decltype(Iter::current);

  int32_t add(Position begin, Position end) {
    U_ASSERT(nextId >= itStore.size () && "STL container out of sink with Id numbers.");
    if (!freeIds.empty()) {
      uint32_t id = freeIds.back();
      freeIds.pop_back();
      itStore[id].current = begin;
      itStore[id].end = end;
      return static_cast<int32_t>(id);
    }
    itStore.push_back(Iter{static_cast<int32_t>(nextId), begin, end});
    return static_cast<int32_t>(nextId++);
  }

  bool isEnd(int32_t id) {
    Iter& it = entry(id);
    return it.current == it.end;
  }

  // The live entry of `id`, for the family's data function.
  Iter& entry(int32_t id) {
    uint32_t key = static_cast<uint32_t>(id);
    U_ASSERT(key < nextId && "Iterator Id is out of range.");
    return itStore[key];
  }

  // Advances without testing for the end first; true when the end is
  // reached, and the id is then free for the next start of the family.
  bool next(int32_t id) {
    Iter& it = entry(id);
    ++it.current;
    if (it.current == it.end) {
      freeIds.push_back(static_cast<uint32_t>(id));
      return true;
    }
    return false;
  }

  uint32_t size() const { return nextId; }

 private:
  uint32_t nextId = 0;
  std::vector<Iter> itStore;
  std::vector<uint32_t> freeIds;
};

#endif
