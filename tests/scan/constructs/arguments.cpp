// Template argument lists: nested lists closing with >>, qualified and
// defaulted arguments, packs.
namespace mem {
template <typename T>
struct Alloc {};
}  // namespace mem

namespace box {
template <typename T, typename A = mem::Alloc<T>>
class Vec {
public:
    void add(const T& value) { last = value; }
    T last;
};

template <typename... Ts>
struct Tuple {
    int count() const { return sizeof...(Ts); }
};

template <typename... Ts>
int countAll(Ts... values) { return sizeof...(values); }
}  // namespace box

typedef unsigned long Size;

int main()
{
    box::Vec<box::Vec<int>> nested;
    nested.add(box::Vec<int>());
    box::Tuple<int, Size, mem::Alloc<char>> triple;
    return triple.count() + box::countAll(1, 'c', 2.0);
}
