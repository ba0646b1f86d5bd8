#include <string>
#include <vector>

#include "shapes/shape.h"

namespace {

// The shapes of a small drawing.
struct Drawing {
    std::vector<shapes::Circle<double>> circles;
    shapes::Labelled<shapes::Circle<double>> title{"title", {{0.0, 1.0}, 0.5}};
};

}  // namespace

std::string printAll()
{
    Drawing drawing;
    drawing.circles.push_back({{2.0, 2.0}, 1.0});
    const shapes::Point<int> corner{3, 4};
    std::string out = fmt::format("{} {}", drawing.circles.front(), corner);
    out += shapes::joinAll(drawing.title.label(), drawing.title.area(), 7, std::string("end"));
    return out;
}
