// Distances the competitions measure every frame, in plain arithmetic on positions the caller has
// already read (the game's distance natives compute the same).
#pragma once

#include <cmath>

#include "core/vector3.h"

namespace bf {

inline float spaceDistance(Vector3 a, Vector3 b) {
    const float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// In the horizontal plane: spawn locations carry no height, camp spots and peds do.
inline float planarDistance(Vector3 a, Vector3 b) {
    const float dx = a.x - b.x, dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace bf
