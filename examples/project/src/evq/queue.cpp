#include "queue.h"

namespace evq {

bool Queue<bool, 32>::push(bool value)
{
    if (count == 32)
        return false;
    const int slot = detail::RingIndex<32>::offset(head, count);
    if (value)
        bits |= 1u << slot;
    else
        bits &= ~(1u << slot);
    ++count;
    return true;
}

bool Queue<bool, 32>::pop(bool& value)
{
    if (count == 0)
        return false;
    value = ((bits >> head) & 1u) != 0;
    head = detail::RingIndex<32>::next(head);
    --count;
    return true;
}

} // namespace evq
