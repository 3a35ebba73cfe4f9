#include "sim/world/chaos.h"

#include <string>
#include <vector>

#include "sim/game.h"

namespace sim {

namespace {

// A ped the game may take away now: not the player, not the horse under him, and nothing tied up
// with cargo (a horse carrying it, a carcass lying on a horse or held).
bool removable(const World& world, const Entity& e) {
    if (e.kind != EntityKind::Ped || e.handle == world.player.ped) return false;
    if (const Entity* player = world.entities.find(world.player.ped)) {
        if (player->trade.mount == e.handle) return false;
    }
    return e.trade.cargo.empty() && e.trade.onHorse == 0 && e.trade.heldBy == 0 &&
           e.trade.holding == 0;
}

}  // namespace

void Chaos::setRate(double rate) {
    rate_ = rate < 0.0 ? 0.0 : (rate > 1.0 ? 1.0 : rate);
}

void Chaos::step(Game& game) {
    if (!on() || random_.chance() >= rate_) return;
    const bool scriptOwned = random_.intInRange(0, kScriptOwnedOneIn) == 0;
    World& world = game.world();
    std::vector<int32_t> candidates;
    for (const auto& [handle, e] : world.entities.all()) {
        if (e.missionEntity == scriptOwned && removable(world, e)) candidates.push_back(handle);
    }
    if (candidates.empty()) return;
    const int32_t handle = candidates[static_cast<size_t>(
        random_.intInRange(0, static_cast<int32_t>(candidates.size())))];
    ++(scriptOwned ? counts_.deletedScriptOwned : counts_.deletedGameOwned);
    game.report("chaos", std::string("the game removes ") +
                             (scriptOwned ? "a script's ped " : "its own ped ") +
                             std::to_string(handle));
    removePedFromWorld(game, handle);
}

LoadFate Chaos::loadFate() {
    LoadFate fate;
    if (!on()) return fate;
    const double draw = random_.chance();
    if (draw < rate_) {
        fate.fails = true;
        ++counts_.loadsFailed;
    } else if (draw < 2.0 * rate_) {
        fate.extraFrames = static_cast<uint64_t>(random_.intInRange(
            static_cast<int32_t>(kMinDelayFrames), static_cast<int32_t>(kMaxDelayFrames) + 1));
        ++counts_.loadsDelayed;
    }
    return fate;
}

Load Load::start(uint64_t frame, uint64_t loadFrames, Chaos& chaos) {
    const LoadFate fate = chaos.loadFate();
    return {frame + loadFrames + fate.extraFrames, fate.fails};
}

void removePedFromWorld(Game& game, int32_t handle) {
    World& world = game.world();
    for (auto& [other, e] : world.entities.all()) {
        if (e.trade.mount == handle) e.trade.mount = 0;
        if (e.trade.ledHorse == handle) e.trade.ledHorse = 0;
        if (e.lookAt == handle) e.lookAt = 0;
        if (e.combatTarget == handle) e.combatTarget = 0;
        if (e.hogtiedBy == handle) e.hogtiedBy = 0;
    }
    if (world.hunting.playerMount == handle) world.hunting.playerMount = 0;
    if (world.player.target == handle) world.player.target = 0;
    if (world.player.walkToEntity == handle) {
        world.player.walking = false;
        world.player.walkToEntity = 0;
    }
    world.entities.remove(handle);
}

}  // namespace sim
