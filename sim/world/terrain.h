// The ground: a smooth, deterministic height field over the map's land, so that positions put
// "on the ground" are repeatable. Off the map there is no ground.
#pragma once

#include <optional>

namespace sim {

class Terrain {
  public:
    // The map's land: x in [-6500, 3600], y in [-4200, 2800].
    static bool onMap(float x, float y);
    // The ground height at (x, y), or nothing off the map.
    static std::optional<float> heightAt(float x, float y);
};

}  // namespace sim
