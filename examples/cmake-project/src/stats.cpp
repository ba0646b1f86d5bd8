#include <gsl/util>

#include "geo/terrain.h"

namespace geo {

float meanHeight(const Heights& heights)
{
    float total = 0;
    for (std::size_t r = 0; r < 4; ++r)
        total += sum(heights.row(r));
    return total / static_cast<float>(heights.size());
}

int cellsAbove(const Heights& heights, float level)
{
    int count = 0;
    for (std::size_t r = 0; r < 4; ++r)
        for (float height : heights.row(r))
            count += height > level ? 1 : 0;
    return gsl::narrow_cast<int>(count);
}

}  // namespace geo
