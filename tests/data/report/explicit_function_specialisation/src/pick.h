#ifndef PICK_H
#define PICK_H
template <typename T>
T pick(T a, T b) { return a < b ? b : a; }
template <>
inline int pick<int>(int a, int b) { return a; }
#endif
