#ifndef EVQ_DETAIL_RING_INDEX_H
#define EVQ_DETAIL_RING_INDEX_H

namespace evq {
namespace detail {

// Slot arithmetic of a ring of N slots.
template <int N>
struct RingIndex {
    static int next(int slot) { return slot + 1 == N ? 0 : slot + 1; }
    static int offset(int head, int distance) { return (head + distance) % N; }
};

} // namespace detail
} // namespace evq

#endif
