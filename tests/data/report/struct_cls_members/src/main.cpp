#include "fmt.h"

int main() {
    text::context ctx{1};
    text::formatter<geo::Point> f;
    f.parse(2);
    text::formatter<int> g;
    text::Box<int> box;
    box.put(1.5);
    return f.format(geo::Point{1, 2}, ctx) + g.format(3, ctx);
}
