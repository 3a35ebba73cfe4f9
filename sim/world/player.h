// The player: ped, model and money.
#pragma once

#include <cstdint>

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
};

}  // namespace sim
