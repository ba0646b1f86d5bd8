// Lambdas, unnamed and inline namespaces, and a macro that opens a namespace.
#define OPEN_LIB namespace lib {
#define CLOSE_LIB }

OPEN_LIB
inline namespace v2 {
template <typename T>
struct Cell {
    T value;
};
}
namespace {
template <typename T>
struct Local {
    T value;
};
int helper() { return 1; }
}
CLOSE_LIB

int run()
{
    lib::Cell<int> cell{2};
    lib::Local<char> local{'a'};
    auto twice = [](int x) { return 2 * x; };
    return twice(cell.value) + local.value + lib::helper();
}
