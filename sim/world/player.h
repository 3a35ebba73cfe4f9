// The player: ped, model and money.
#pragma once

#include <cstdint>

#include "sim/natives/native_table.h"
#include "sim/world/hash.h"

namespace sim {

inline constexpr uint32_t kModelArthur = gameHash("player_zero");
inline constexpr uint32_t kModelJohn = gameHash("player_three");
// The rifle the player carries from the start.
inline constexpr uint32_t kWeaponPlayerRifle = gameHash("WEAPON_RIFLE_BOLTACTION");

struct Player {
    int32_t ped = 0;
    int64_t cashCents = 10000;
    // The ped the player targets (0 = none); prompts in its prompt group show.
    int32_t target = 0;
    // Where the player is walking to (one step each frame at kWalkSpeed), if anywhere.
    bool walking = false;
    Vec3 walkTarget;
    // Walking to an entity: stop this far from it (the target's position is followed).
    int32_t walkToEntity = 0;
    float walkStopRange = 0.0f;
    // The scenario the player acts out now (hash; 0 = none), such as placing bait.
    uint32_t scenario = 0;
    bool deadEye = false;
    // A story mission is running.
    bool onMission = false;
    // He has committed a crime that the law is after him for.
    bool lawIncident = false;
    // The player's input moves him (off in cut-scenes and while a script takes it away).
    bool controlOn = true;
};

// Metres per second of an unhurried walk, and of the player's horse at a canter.
inline constexpr float kWalkSpeed = 1.5f;
inline constexpr float kRideSpeed = 5.0f;

class Entities;
// Moves the player's ped one frame of `ms` along his walk (his ride, when he is on a horse); the
// walk ends at its target.
void stepPlayerWalk(Player& player, Entities& entities, uint32_t ms);

}  // namespace sim
