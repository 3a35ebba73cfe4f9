// What peds do of their own accord, once a frame after their tasks: wild animals idle and
// wander round where they came into the world and run from shots; people who were hit fight
// back or run; a person whose group hates the player's turns on him when he comes near; the
// dead are noted when they died.
#pragma once

#include <cstdint>

namespace sim {

class Game;

// How far from home a wild animal wanders, how fast, and how long it idles in between.
inline constexpr float kWanderRadius = 25.0f;
inline constexpr float kWanderSpeed = 1.2f;
inline constexpr uint32_t kFirstWanderMs = 10000;
inline constexpr int32_t kIdleMinMs = 6000;
inline constexpr int32_t kIdleMaxMs = 15000;
// A hater turns on the player within this distance.
inline constexpr float kHateRange = 40.0f;

void stepBehaviour(Game& game);

}  // namespace sim
