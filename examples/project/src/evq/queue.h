#ifndef EVQ_QUEUE_H
#define EVQ_QUEUE_H

#include <cstdint>
#include "detail/ring_index.h"

namespace evq {

// A bounded first-in first-out queue of N values.  push refuses a value
// when the queue is full, so a slow consumer never loses the oldest ones.
template <typename T, int N>
class Queue {
public:
    Queue() : head(0), count(0) {}
    bool push(const T& value)
    {
        if (count == N)
            return false;
        slots[detail::RingIndex<N>::offset(head, count)] = value;
        ++count;
        return true;
    }
    bool pop(T& value)
    {
        if (count == 0)
            return false;
        value = slots[head];
        head = detail::RingIndex<N>::next(head);
        --count;
        return true;
    }
    int size() const { return count; }
private:
    T slots[N];
    int head;
    int count;
};

// A queue of one slot is a mailbox: the newest value replaces an unread one.
template <typename T>
class Queue<T, 1> {
public:
    Queue() : full(false) {}
    bool push(const T& value)
    {
        slot = value;
        full = true;
        return true;
    }
    bool pop(T& value)
    {
        if (!full)
            return false;
        value = slot;
        full = false;
        return true;
    }
    int size() const { return full ? 1 : 0; }
private:
    T slot;
    bool full;
};

// Thirty-two flags packed into one word.
template <>
class Queue<bool, 32> {
public:
    Queue() : bits(0), head(0), count(0) {}
    bool push(bool value);
    bool pop(bool& value);
    int size() const { return count; }
private:
    uint32_t bits;
    int head;
    int count;
};

} // namespace evq

#endif
