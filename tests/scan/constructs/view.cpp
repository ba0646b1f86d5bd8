// What clang's view of a unit holds beyond the records: uses of function
// templates, instances in data members, members with code.
template <typename T>
struct Cell {
    Cell() = default;
    Cell(const Cell&) = delete;
    T get() const { return T(); }
    T value{};
};

template <typename T>
T twice(T x)
{
    Cell<T> inside;
    return x + x + inside.get();
}

struct Board {
    Cell<int> first;
    Cell<char>* pointer = nullptr;
};

int play()
{
    Board board;
    auto add = [](auto a, auto b) { return a + b; };
    return twice(3) + add(1, 2) + board.first.get();
}
