#include "sim/world/terrain.h"

#include <cmath>
#include <iterator>

namespace sim {

namespace {

// The mainland's outline, clockwise from the north-west: the sea and the map's edge lie beyond.
constexpr float kMainland[][2] = {
    {-6400.0f, 2200.0f},  {-2500.0f, 2800.0f},  {1500.0f, 2800.0f},   {3400.0f, 2300.0f},
    {3600.0f, 400.0f},    {3300.0f, -1000.0f},  {2900.0f, -1800.0f},  {1500.0f, -2000.0f},
    {600.0f, -2100.0f},   {-1300.0f, -3300.0f}, {-2200.0f, -4200.0f}, {-5200.0f, -4200.0f},
    {-6400.0f, -3900.0f}, {-6500.0f, -1600.0f},
};
constexpr float kGuarmaX = 1300.0f, kGuarmaY = -6900.0f, kGuarmaRadius = 900.0f;

}  // namespace

bool Terrain::onMainland(float x, float y) {
    // Even-odd rule over the outline.
    bool inside = false;
    const size_t n = std::size(kMainland);
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const float xi = kMainland[i][0], yi = kMainland[i][1];
        const float xj = kMainland[j][0], yj = kMainland[j][1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
}

bool Terrain::onGuarma(float x, float y) {
    return std::hypot(x - kGuarmaX, y - kGuarmaY) <= kGuarmaRadius;
}

bool Terrain::onMap(float x, float y) {
    return onMainland(x, y) || onGuarma(x, y);
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
