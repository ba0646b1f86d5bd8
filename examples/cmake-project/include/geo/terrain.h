#ifndef GEO_TERRAIN_H
#define GEO_TERRAIN_H

#include "geo/grid.h"

namespace geo {

using Heights = Grid<float, 4>;

// The mean height of a terrain.
float meanHeight(const Heights& heights);

// How many cells of the terrain lie above level.
int cellsAbove(const Heights& heights, float level);

// The length of the summed surface normals of a small patch.
float normalSpread(float tilt);

}  // namespace geo

#endif
