#include <cstdio>
#include <string>

#include "shapes/matrix.h"
#include "shapes/shape.h"

std::string printAll();
double trace();

int main()
{
    shapes::Circle<double> circle{{0.0, 0.0}, 2.0};
    shapes::Rect<int> rect{{1, 1}, 3, 4};
    shapes::Labelled<shapes::Rect<int>> door("door", rect);
    shapes::Point<float> pin{1.5f, 2.5f};
    fmt::print("{} {} {:.1f} {}\n", circle, pin, door.area(), shapes::area(rect));
    std::printf("%s %.1f\n", printAll().c_str(), trace());
    return 0;
}
