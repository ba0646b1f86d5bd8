#include <cstdio>

#include "geo/grid.h"
#include "geo/terrain.h"

int main()
{
    geo::Heights heights;
    for (std::size_t r = 0; r < 4; ++r)
        for (std::size_t c = 0; c < 4; ++c)
            heights.at(r, c) = static_cast<float>(r * 4 + c);
    geo::Grid<int, 1> marker;
    marker.at(0, 0) = 7;
    const float firstRow = geo::sum(heights.row(0));
    std::printf("%.1f %.2f %d %d %.3f\n", firstRow, geo::meanHeight(heights), geo::cellsAbove(heights, 7.5f),
                geo::sum(marker.row(0)), geo::normalSpread(0.5f));
    return 0;
}
