#include "sim/world/step.h"

#include <algorithm>
#include <map>
#include <vector>

#include "sim/game.h"
#include "sim/world/behaviour.h"
#include "sim/world/tasks.h"
#include "sim/world/terrain.h"

namespace sim {

namespace {

// How far from the player the game keeps entities that scripts released.
constexpr float kReleasedCleanupRange = 200.0f;

// The player's input reaches the prompts before anything moves.
void input(Game& game) {
    World& world = game.world();
    world.prompts.step(world.player.target, Game::kFrameMs);
}

constexpr float kGravity = 9.81f;

// What is in the air falls until it lands on the ground.
void falling(Game& game) {
    const float dt = static_cast<float>(Game::kFrameMs) / 1000.0f;
    for (auto& [handle, e] : game.world().entities.all()) {
        if (!e.airborne) continue;
        e.fallSpeed += kGravity * dt;
        e.position.z -= e.fallSpeed * dt;
        const float ground = Terrain::heightAt(e.position.x, e.position.y).value_or(-1.0e9f);
        if (e.position.z <= ground) {
            e.position.z = ground;
            e.airborne = false;
            e.fallSpeed = 0.0f;
        }
    }
}

void walking(Game& game) {
    stepPlayerWalk(game.world().player, game.world().entities, Game::kFrameMs);
    falling(game);
}

// Peds carry out their task sequences, then do what they do of their own accord (animals wander
// and flee, people fight back).
void tasks(Game& game) {
    stepTasks(game);
    stepBehaviour(game);
}

void wildlife(Game& game) {
    game.world().wildlife.step(game);
}

// The game removes released entities once the player has left them behind.
void cleanUp(Game& game) {
    World& world = game.world();
    const Entity* player = world.entities.find(world.player.ped);
    if (!player) return;
    std::vector<int32_t> gone;
    for (const auto& [handle, e] : world.entities.all()) {
        if (e.released && distance3d(e.position, player->position) > kReleasedCleanupRange)
            gone.push_back(handle);
    }
    for (int32_t handle : gone)
        world.entities.remove(handle);
    std::vector<int32_t> sets;
    for (const auto& [handle, set] : world.propSets.all()) {
        if (set.released && distance3d(set.position, player->position) > kReleasedCleanupRange)
            sets.push_back(handle);
    }
    for (int32_t handle : sets) {
        world.propSets.remove(handle);
        removePropSetPoints(world.scenarioPoints, handle);
    }
}

// The game's own whims: peds it takes away (chaos.h); nothing at all while chaos is off.
void chaos(Game& game) {
    game.world().chaos.step(game);
}

// Entity blips move with their entities and go with them.
void blips(Game& game) {
    World& world = game.world();
    std::vector<int32_t> gone;
    for (auto& [handle, blip] : world.blips.all()) {
        if (blip.entity == 0) continue;
        if (const Entity* e = world.entities.find(blip.entity)) {
            blip.position = e->position;
        } else {
            gone.push_back(handle);
        }
    }
    for (int32_t handle : gone) {
        const Blip* blip = world.blips.find(handle);
        game.report("blip", "blip removed with its entity" +
                                (blip->name.empty() ? std::string() : ": " + blip->name));
        world.blips.remove(handle);
    }
}

constexpr StepPart kParts[] = {
    {"input", input},      {"walking", walking}, {"tasks", tasks}, {"wildlife", wildlife},
    {"clean-up", cleanUp}, {"chaos", chaos},     {"blips", blips},
};

}  // namespace

std::span<const StepPart> worldStepParts() {
    return kParts;
}

void stepWorld(Game& game) {
    auto& all = game.world().entities.all();
    std::map<int32_t, Vec3> before;
    for (const auto& [handle, e] : all)
        before[handle] = e.position;
    for (const StepPart& part : kParts)
        part.run(game);
    // The pace on foot: riders, carried things and what was just created have none.
    for (auto& [handle, e] : all) {
        auto it = before.find(handle);
        const bool carried = e.trade.mount != 0 || e.trade.heldBy != 0 || e.trade.onHorse != 0;
        e.groundSpeed = it == before.end() || carried
                            ? 0.0f
                            : horizontalDistance(it->second, e.position) * 1000.0f /
                                  static_cast<float>(Game::kFrameMs);
    }
}

}  // namespace sim
