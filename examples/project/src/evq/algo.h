#ifndef EVQ_ALGO_H
#define EVQ_ALGO_H

#include "queue.h"

namespace evq {

// Pops every queued value into sink; returns how many it took.
template <typename T, int N, typename Sink>
int drain(Queue<T, N>& queue, Sink& sink)
{
    int taken = 0;
    T value;
    while (queue.pop(value)) {
        sink.take(value);
        ++taken;
    }
    return taken;
}

// Pops at most limit values, so that one busy queue cannot hold up the others.
template <typename T, int N, typename Sink>
int drain(Queue<T, N>& queue, Sink& sink, int limit)
{
    int taken = 0;
    T value;
    while (taken < limit && queue.pop(value)) {
        sink.take(value);
        ++taken;
    }
    return taken;
}

// Pushes the values [first, last) until the queue is full; returns how many
// went in.
template <typename T, int N>
int pushAll(Queue<T, N>& queue, const T* first, const T* last)
{
    int pushed = 0;
    for (; first != last && queue.push(*first); ++first)
        ++pushed;
    return pushed;
}

// Drops everything queued.
template <typename T, int N>
void discard(Queue<T, N>& queue)
{
    T value;
    while (queue.pop(value)) {
    }
}

} // namespace evq

#endif
