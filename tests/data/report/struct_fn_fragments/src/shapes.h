#ifndef SHAPES_H
#define SHAPES_H
#define LIB_BEGIN namespace lib {
#define LIB_END }
#define LIB_INLINE inline
LIB_BEGIN
/**
 * Returns the first argument.
 *
 * A long documentation comment; it must not lead the fragment.
 */
template <typename T>
T first(T a, T b) { return a; }

/* A block comment
   over two lines. */
template <typename T>
T second(T a, T b) { return b; }
LIB_END

LIB_BEGIN
// A line comment after a macro line.
template <typename T,
          typename U>
U convert(T value) { return static_cast<U>(value); }

template <typename T>
[[nodiscard]]
LIB_INLINE
T twice(T v) { return v + v; }

template <typename T>
// A comment between header and declaration.
T half(T v) { return v / 2; }

template <typename T> T zero() { return T(); }
template <typename T, int N = (sizeof(T) > 2 ? 1 : 0)>
T wide(T v) { return v; }
LIB_END
#endif
