// The map's land and its ground: the mainland inside one outline, and the island of Guarma far
// off in the southern sea. The ground is a smooth, deterministic height field over the land, so
// that positions put "on the ground" are repeatable; it passes through the heights the game's own
// data gives (the player's default position, the towns' start positions) and off the land there
// is none. The zones (zones.h) lay their districts over the same land.
#pragma once

#include <optional>

namespace sim {

class Terrain {
  public:
    // The mainland (tools/gen_animal_spawns.py keeps a copy of its outline).
    static bool onMainland(float x, float y);
    static bool onGuarma(float x, float y);
    // Any land: the mainland or Guarma.
    static bool onMap(float x, float y);
    // The ground height at (x, y), or nothing off the map.
    static std::optional<float> heightAt(float x, float y);
};

}  // namespace sim
