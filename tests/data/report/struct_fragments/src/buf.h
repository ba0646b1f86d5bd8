#ifndef BUF_H
#define BUF_H
#include "ns.h"
LIB_BEGIN_NAMESPACE
/**
 * A buffer with inline storage.
 *
 * Grows on the heap.
 */
template <typename T>
struct Buffer {
  T* data;
};

template <typename T>
struct is_contiguous {};

template <typename T>
struct is_contiguous<Buffer<T>> {};

LIB_END_NAMESPACE
#endif
