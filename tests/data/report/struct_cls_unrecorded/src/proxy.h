#include "sys/traits.h"
namespace lib {
template <typename T> struct value { T v; };
enum class kind { a, b };
}
namespace sysx {
template <typename T>
struct tuple_size<lib::value<T>> {
    static int size() { return 2; }
};
template <>
struct hash<lib::kind> {
    int operator()(lib::kind k) const { return static_cast<int>(k); }
};
}
