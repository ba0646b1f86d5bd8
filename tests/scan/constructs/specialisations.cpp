// Partial specialisations with members, explicit specialisations of a
// template that is only declared, and an explicit instantiation.
template <typename K, typename V>
struct Map {
    V find(const K&) const { return V(); }
};

template <typename V>
struct Map<int, V> {
    V find(int key) const { return V(key); }
    int size() const { return 0; }
};

template <typename T>
struct Traits;

template <>
struct Traits<int> {
    static int zero() { return 0; }
};

template <typename T>
struct Holder {
    T get() const { return T(); }
};

template struct Holder<long>;

int use()
{
    Map<int, double> byInt;
    Map<char, int> byChar;
    return static_cast<int>(byInt.find(3)) + byChar.find('x') + Traits<int>::zero();
}

// Specialisations of a library's template whose header is not recorded.
#include "sysinc/lib_hash.h"
struct Key {};
template <> struct lib::hasher<Key> { int operator()(const Key&) const { return 1; } };
template <typename T> struct lib::hasher<Holder<T>> {};
