// Small game operations that many features share: positions, distances, directions, hashes,
// random draws and the ground height. Each is a fixed short series of natives; callers rely on
// the exact arguments and order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/vector3.h"

namespace bf {

// --- Vector arithmetic (plain floats, no natives) ------------------------------------------------

// The zero vector stays zero.
Vector3 normalized(Vector3 v);
// The value limited to [minimum, maximum].
float clampValue(float value, int32_t minimum, int32_t maximum);

// --- Positions and distances ---------------------------------------------------------------------
// Distances between points are in core/vector3.h; measuring from an entity costs the native call
// that reads its position.

Vector3 entityPosition(int32_t entity);
Vector3 playerPosition();
float distance(int32_t entity, Vector3 point);
float distance(int32_t a, int32_t b);
Vector3 entityDirection(int32_t entity);
// Where the player's last shot hit; the zero vector when the game knows none.
Vector3 playerLastWeaponImpact();

// --- Hashes and random draws ---------------------------------------------------------------------

uint32_t gameHash(const char* name);
inline uint32_t gameHash(const std::string& name) {
    return gameHash(name.c_str());
}
// In [min, max): the maximum itself is never returned.
int32_t randomInt(int32_t min, int32_t max);
// Null for an empty list; else one entry drawn with randomInt(0, size).
const char* randomEntry(const std::vector<const char*>& entries);

}  // namespace bf
