// The game's ambient wildlife: which animals live in each district, and the animals the game
// spawns round the player where they live (each raising a ped-created event). Ambient animals are
// the game's own (not a script's): it cleans them up once the player has left them behind.
//
// Off unless a scenario turns it on (`ambient-animals on`), so that tests see only the animals
// they spawn themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/natives/native_table.h"

namespace sim {

class Game;

class Wildlife {
  public:
    static constexpr uint32_t kSpawnPeriodMs = 8000;
    static constexpr size_t kMaxNearby = 4;  // ambient animals round the player at a time
    // Inside the range where the game keeps its own animals round the player.
    static constexpr float kNearbyRange = 190.0f;
    static constexpr float kSpawnMin = 80.0f;
    static constexpr float kSpawnMax = 180.0f;

    // Models of the animals that live in a district (empty for an unknown one).
    static const std::vector<std::string>& habitat(uint32_t district);

    // One frame of the world: notes bait the player puts down; may spawn an animal near the
    // player, one drawn by bait near a fresh bait close to him.
    void step(Game& game);

    bool enabled = false;
    size_t spawned = 0;

    // Bait draws animals for two game hours (4 minutes of game timer) after it is put down.
    static constexpr uint32_t kBaitDrawsMs = 240000;
    struct Bait {
        Vec3 position;
        uint32_t placedAt = 0;
    };
    std::vector<Bait> baits;

  private:
    uint32_t lastScenario_ = 0;
    uint32_t nextSpawnAt_ = 0;
    bool started_ = false;
};

}  // namespace sim
