// The player: ped, model and money.
#pragma once

#include <cstdint>

#include "sim/world/hash.h"

namespace sim {

inline constexpr uint32_t kModelArthur = gameHash("player_zero");
inline constexpr uint32_t kModelJohn = gameHash("player_three");

struct Player {
    int32_t ped = 0;
    int64_t cashCents = 10000;
};

}  // namespace sim
