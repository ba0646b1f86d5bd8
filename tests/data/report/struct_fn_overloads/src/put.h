#ifndef PUT_H
#define PUT_H
namespace lib {
template <typename T>
int put(T* p) { return 1; }
template <typename T>
int put(T& r) { return 2; }
template <typename T>
int put(const T& r) { return 3; }
template <typename T>
int put(T a, T b) { return 4; }
template <typename T>
int put(T a, T b, T c) { return 5; }
template <bool B, typename T> struct when {};
template <typename T> struct when<true, T> { typedef T type; };
// Two overloads told apart only by their return types.
template <typename T>
typename when<sizeof(T) == 4, int>::type show(T v) { return 6; }
template <typename T>
typename when<sizeof(T) != 4, int>::type show(T v) { return 7; }
}
#endif
