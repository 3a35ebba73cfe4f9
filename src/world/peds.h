// Shared ped operations: spawning by model, the peds near an entity, type and lawman tests,
// speech and weapons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/vector3.h"

namespace bf {

// How long a spawn waits for its model before giving up (game time).
inline constexpr int32_t kModelLoadTimeoutMs = 5000;
// The nearby-ped buffer: slot 0 holds the capacity, so at most 127 peds fit.
inline constexpr int32_t kPedsNearMaxCapacity = 127;

// Requests the model, waits frame by frame until it is loaded, creates the ped and dresses it.
// A model that does not load within kModelLoadTimeoutMs is logged and gives 0.
int32_t spawnPed(uint32_t model, Vector3 position);
int32_t spawnPed(const std::string& modelName, Vector3 position);
// spawnPed on the ground below (x, y): the game finds ground only below its probe, and a point
// without a height (an area's centre) may lie under it, so the probe starts
// kGroundProbeHeight above the point. 0, creating nothing, where there is no ground.
inline constexpr float kGroundProbeHeight = 1000.0f;
int32_t spawnPedOnGround(const std::string& modelName, Vector3 position);

// The peds the game reports near `entity` (at most `capacity`), keeping those that exist, are
// alive when `skipDead` is set, lie within `radius` (-1 = any distance) and, when `model` is not
// 0, are of that model (asked first: it rules out most). A capacity above kPedsNearMaxCapacity is
// refused with a log line and gives no peds.
std::vector<int32_t> pedsNear(int32_t entity, int32_t capacity, float radius, int32_t flags,
                              bool skipDead, uint32_t model = 0);

// The thirteen animal types that the hunting features leave alone (domestic and tiny animals):
// they keep the size the game gave them, are never culled or counted, and never score.
bool isUntouchedAnimalType(uint32_t type);
bool isLawman(int32_t ped);

// Plays a speech line; a null voice lets the game pick the ped's own.
void playSpeech(int32_t ped, const char* line, const char* voice);

// Gives the weapon unless the ped has it already; with `equip`, puts it in hand.
void giveWeapon(int32_t ped, uint32_t weapon, int32_t ammunition, bool equip);
// The weapon held at an attach point (0 = main hand), as the game writes it.
uint64_t currentWeapon(int32_t ped, int32_t attachPoint);

}  // namespace bf
