#include "sim/world/terrain.h"

#include <cmath>

namespace sim {

bool Terrain::onMap(float x, float y) {
    return x >= -6500.0f && x <= 3600.0f && y >= -4200.0f && y <= 2800.0f;
}

std::optional<float> Terrain::heightAt(float x, float y) {
    if (!onMap(x, y)) return std::nullopt;
    // Plains low in the south-west, hills rising to the north, gentle local rolls.
    const double base = 60.0 + 0.04 * (static_cast<double>(y) + 1000.0);
    const double hills = 25.0 * std::sin(x / 640.0) * std::cos(y / 510.0);
    const double rolls = 6.0 * std::sin((x - y) / 137.0);
    return static_cast<float>(base + hills + rolls);
}

}  // namespace sim
