namespace geo {
struct Point { int x, y; };
}
namespace text {
template <typename T>
struct formatter {
    template <typename Context>
    int format(const T& value, Context& ctx) const { return 0; }
};

struct context { int n; };

template <>
struct formatter<geo::Point> {
    int parse(int flags) { return flags; }
    template <typename Context>
    int format(const geo::Point& p, Context& ctx) const { return p.x + ctx.n; }
};

template <typename T>
struct Box {
    template <typename U>
    void put(U u) { (void)u; }
};
}
