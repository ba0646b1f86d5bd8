#include <glm/geometric.hpp>
#include <glm/vec3.hpp>

#include "geo/grid.h"
#include "geo/terrain.h"

namespace geo {

float normalSpread(float tilt)
{
    Grid<glm::vec3, 2> normals;
    for (std::size_t r = 0; r < 2; ++r)
        for (std::size_t c = 0; c < 2; ++c)
            normals.at(r, c) = glm::normalize(glm::vec3(tilt * static_cast<float>(c), 1.0f, 0.0f));
    const glm::vec3 total = sum(normals.row(0)) + sum(normals.row(1));
    return glm::length(total);
}

}  // namespace geo
