#include "sim/world/chaos.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "sim/game.h"
#include "sim/world/animals.h"
#include "sim/world/terrain.h"

namespace sim {

namespace {

// A ped the game may take away now: not the player, not the horse under him, and nothing that is
// cargo or holds it (a carcass lying on a horse or carried, a ped carrying one). A horse with cargo
// may go: what it carries goes with it.
bool removable(const World& world, const Entity& e) {
    if (e.kind != EntityKind::Ped || e.handle == world.player.ped) return false;
    if (const Entity* player = world.entities.find(world.player.ped)) {
        if (player->trade.mount == e.handle) return false;
    }
    return e.trade.onHorse == 0 && e.trade.heldBy == 0 && e.trade.holding == 0;
}

}  // namespace

void Chaos::setRate(double rate) {
    rate_ = rate < 0.0 ? 0.0 : (rate > 1.0 ? 1.0 : rate);
}

void Chaos::step(Game& game) {
    if (!on()) return;
    World& world = game.world();
    if (respawnAt_ != 0 && game.frame() >= respawnAt_) {
        respawnAt_ = 0;
        if (Entity* player = world.entities.find(world.player.ped)) {
            player->dead = false;
            player->health = player->maxHealth;
            player->killer = 0;
            player->diedAt = 0;
            game.report("chaos", "the player stands again");
        }
    }
    // A mission of the game's ends by itself; chaos may end it sooner.
    if (missionEndsAt_ != 0 && game.frame() >= missionEndsAt_) {
        missionEndsAt_ = 0;
        if (world.player.onMission) {
            world.player.onMission = false;
            ++counts_.missionSwitched;
            game.report("chaos", "the mission ends");
        }
    }
    if (game.frame() % kStreamOutEveryFrames == 0) streamOut(game);
    if (random_.chance() < rate_) removePed(game);
    if (random_.chance() < rate_ / kPlayerEventOneIn) playerEvent(game);
}

void Chaos::streamOut(Game& game) {
    World& world = game.world();
    const Entity* player = world.entities.find(world.player.ped);
    if (!player) return;
    std::vector<int32_t> gone;
    for (const auto& [handle, e] : world.entities.all()) {
        if (!e.missionEntity && removable(world, e) &&
            distance3d(e.position, player->position) > kStreamOutRange)
            gone.push_back(handle);
    }
    for (int32_t handle : gone)
        removePedFromWorld(game, handle);
    counts_.streamedOut += gone.size();
}

double Chaos::loadChance() const {
    return std::min(rate_ * kLoadFactor, kMaxLoadChance);
}

void Chaos::removePed(Game& game) {
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
    if (random_.intInRange(0, 2) != 0) return;
    ++counts_.staleEvents;
    const auto gone = static_cast<uint32_t>(handle);
    if (random_.intInRange(0, 2) == 0) {
        world.events.push(kEventPedCreated, {gone});
        return;
    }
    // Slots as every damage event has them: the player's shot, no damage left to do, no bone.
    const Entity* player = world.entities.find(world.player.ped);
    world.events.push(kEventEntityDamaged,
                      {gone, static_cast<uint32_t>(world.player.ped),
                       player ? player->currentWeapon : kWeaponUnarmed, 0, 0, 0, 0, 0, 0});
}

void Chaos::playerEvent(Game& game) {
    World& world = game.world();
    Entity* player = world.entities.find(world.player.ped);
    const int32_t what = random_.intInRange(0, 4);
    if (!player || player->dead) return;
    switch (what) {
        case 0:
            movePlayer(game);
            break;
        case 1:
            if (player->trade.mount != 0) dismountHorse(world, *player);
            world.player.walking = false;
            {
                // Whatever kills him (a fall, a stranger's shot) hits him first, as any death does.
                const float health = player->health;
                player->health = 0.0f;
                markDead(*player, game.timer());
                raiseEntityDamaged(game, *player, 0, kWeaponUnarmed, health, 0);
            }
            respawnAt_ = game.frame() + kRespawnFrames;
            ++counts_.playerKilled;
            game.report("chaos", "the player dies");
            break;
        case 2:
            if (player->trade.mount != 0) {
                dismountHorse(world, *player);
                ++counts_.playerDismounted;
                game.report("chaos", "the player gets off his horse");
                break;
            }
            {
                const Entity* nearest = nullptr;
                float best = kMountRange;
                for (const auto& [handle, e] : world.entities.all()) {
                    const ModelInfo* info = world.models.find(e.model);
                    if (e.kind != EntityKind::Ped || e.dead || !info || !info->horse) continue;
                    bool ridden = false;
                    for (const auto& [other, rider] : world.entities.all())
                        ridden = ridden || rider.trade.mount == handle;
                    const float d = distance3d(e.position, player->position);
                    if (!ridden && d <= best) {
                        best = d;
                        nearest = &e;
                    }
                }
                if (!nearest) break;
                world.player.walking = false;
                mountHorse(world, *player, nearest->handle);
                ++counts_.playerMounted;
                game.report("chaos", "the player gets on a horse");
            }
            break;
        default:
            world.player.onMission = !world.player.onMission;
            missionEndsAt_ = world.player.onMission ? game.frame() + kMissionFrames : 0;
            ++counts_.missionSwitched;
            game.report("chaos", world.player.onMission ? "a mission starts" : "the mission ends");
            break;
    }
}

void Chaos::movePlayer(Game& game) {
    World& world = game.world();
    Entity* player = world.entities.find(world.player.ped);
    constexpr int kTries = 8;
    for (int i = 0; i < kTries; ++i) {
        const float angle = random_.floatInRange(0.0f, 6.2831853f);
        const float distance = random_.floatInRange(kMinMove, kMaxMove);
        const float x = player->position.x + distance * std::cos(angle);
        const float y = player->position.y + distance * std::sin(angle);
        const std::optional<float> ground = Terrain::heightAt(x, y);
        if (!Terrain::onMainland(x, y) || !ground) continue;
        world.player.walking = false;
        player->position = {x, y, *ground};
        if (Entity* horse = world.entities.find(player->trade.mount))
            horse->position = {x, y, *ground};
        ++counts_.playerMoved;
        game.report("chaos", "the player is moved far away");
        return;
    }
}

LoadFate Chaos::loadFate() {
    LoadFate fate;
    if (!on()) return fate;
    const double draw = random_.chance();
    if (draw < loadChance()) {
        fate.fails = true;
        ++counts_.loadsFailed;
    } else if (draw < 2.0 * loadChance()) {
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
    if (Entity* horse = world.entities.find(handle)) {
        const std::vector<int32_t> cargo = horse->trade.cargo;
        for (int32_t item : cargo)
            world.entities.remove(item);
    }
    for (auto& [other, e] : world.entities.all()) {
        if (e.trade.mount == handle) e.trade.mount = 0;
        if (e.trade.ledHorse == handle) e.trade.ledHorse = 0;
        if (e.lookAt == handle) e.lookAt = 0;
        if (e.combatTarget == handle) e.combatTarget = 0;
        if (e.lassoedBy == handle) e.lassoedBy = 0;
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
