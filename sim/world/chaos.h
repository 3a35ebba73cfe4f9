// Chaos: the game not playing along. A real game removes peds and animals that drift out of its
// interest, streams models and navmesh late or not at all, and never asks a script first. With a
// rate above zero the simulated game does the same, at moments drawn from the game's one seeded
// generator, so a chaos run is repeatable from its seed.
//
// The rate is a probability per opportunity:
//   - each frame, with chance `rate`, the game removes one ped: mostly one it owns (not made by a
//     script), one time in kScriptOwnedOneIn one a script made (rival, buyer, horse, target);
//     the player, the horse he rides and cargo itself are never taken, but a horse that is not
//     ridden goes with what it carries;
//   - each new model, texture dictionary, prop set or navmesh request, with chance
//     loadChance() (`rate` × kLoadFactor, at most kMaxLoadChance: a streaming game misses loads
//     far more often than it takes a ped away), fails (nothing loads; asking again once the load
//     would have finished starts a new one), and with that chance again it is late by
//     kMinDelayFrames up to kMaxDelayFrames;
//   - every kStreamOutEveryFrames frames the game streams out its own peds (alive or dead) that
//     are farther than kStreamOutRange from the player, as a real game does with what is out of
//     the player's reach (it keeps a long run's world from filling up);
//   - each frame, with chance rate / kPlayerEventOneIn, the game does something to the player:
//     moves him (and the horse under him) kMinMove to kMaxMove metres away on the mainland, kills
//     him (he stands again where he fell kRespawnFrames later, on foot), puts him on the nearest
//     free horse within kMountRange (or off the one he rides), or switches the mission flag (a
//     mission it starts ends by itself kMissionFrames later, as the game's missions end, unless
//     chaos ends it sooner).
// Half the time the game also raises, in the frame it removes a ped, an event about it that a
// script reads only after the ped is gone: that it was created, or that it was hit by the player.
// A removed ped is gone as a deleted one is: natives answer that it does not exist, is dead, and
// stands at the origin; references to it (riders, leaders, the player's target) are let go.
// With the rate at zero nothing is drawn: every seeded run plays as it did before chaos existed.
#pragma once

#include <cstdint>

#include "sim/world/random.h"

namespace sim {

class Game;

// What becomes of one load request.
struct LoadFate {
    bool fails = false;
    uint64_t extraFrames = 0;  // frames later than the usual load
};

class Chaos;

// One load the game carries out (a model, a texture dictionary, a prop set, a navmesh region):
// ready from a frame on, or failed and dropped at that frame, after which asking again starts a
// new load.
struct Load {
    uint64_t readyAt = 0;
    bool fails = false;

    static Load start(uint64_t frame, uint64_t loadFrames, Chaos& chaos);
    bool ready(uint64_t frame) const { return !fails && frame >= readyAt; }
    bool dropped(uint64_t frame) const { return fails && frame >= readyAt; }
};

struct ChaosCounts {
    uint64_t playerMoved = 0;
    uint64_t playerKilled = 0;
    uint64_t playerMounted = 0;
    uint64_t playerDismounted = 0;
    uint64_t missionSwitched = 0;
    uint64_t deletedGameOwned = 0;
    uint64_t deletedScriptOwned = 0;
    uint64_t staleEvents = 0;
    uint64_t loadsFailed = 0;
    uint64_t loadsDelayed = 0;
    uint64_t streamedOut = 0;

    // Adds another game's counts (a run that restarts the game counts both).
    ChaosCounts& operator+=(const ChaosCounts& o) {
        playerMoved += o.playerMoved;
        playerKilled += o.playerKilled;
        playerMounted += o.playerMounted;
        playerDismounted += o.playerDismounted;
        missionSwitched += o.missionSwitched;
        deletedGameOwned += o.deletedGameOwned;
        deletedScriptOwned += o.deletedScriptOwned;
        staleEvents += o.staleEvents;
        loadsFailed += o.loadsFailed;
        loadsDelayed += o.loadsDelayed;
        streamedOut += o.streamedOut;
        return *this;
    }
};

class Chaos {
  public:
    static constexpr uint64_t kMinDelayFrames = 30;
    static constexpr uint64_t kMaxDelayFrames = 300;
    // One removal in this many takes a ped a script made.
    static constexpr int32_t kScriptOwnedOneIn = 20;
    static constexpr int32_t kPlayerEventOneIn = 10;
    static constexpr uint64_t kRespawnFrames = 300;
    static constexpr uint64_t kMissionFrames = 54000;  // half an hour of 33 ms frames
    static constexpr float kMinMove = 1000.0f;
    static constexpr float kMaxMove = 3000.0f;
    static constexpr float kMountRange = 50.0f;
    static constexpr double kLoadFactor = 50.0;
    static constexpr double kMaxLoadChance = 0.25;
    static constexpr uint64_t kStreamOutEveryFrames = 30;
    static constexpr float kStreamOutRange = 500.0f;

    explicit Chaos(Random& random) : random_(random) {}

    // Clamped to [0, 1].
    void setRate(double rate);
    double rate() const { return rate_; }
    bool on() const { return rate_ > 0.0; }
    double loadChance() const;

    // The frame's chaos, run from the world's step.
    void step(Game& game);
    // Drawn once for every new load request.
    LoadFate loadFate();

    const ChaosCounts& counts() const { return counts_; }

  private:
    void removePed(Game& game);
    void playerEvent(Game& game);
    void movePlayer(Game& game);
    void streamOut(Game& game);

    Random& random_;
    uint64_t respawnAt_ = 0;  // the frame the dead player stands again (0: he is not dead by us)
    uint64_t missionEndsAt_ = 0;  // the frame the mission chaos started ends (0: none)
    double rate_ = 0.0;
    ChaosCounts counts_;
};

// Removes a ped from the world as the game removes one of its own, with what it carries (a horse's
// cargo), letting go of what pointed at it (riders' mounts, led horses, the player's target and
// walk).
void removePedFromWorld(Game& game, int32_t handle);

}  // namespace sim
