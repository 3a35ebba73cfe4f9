#include "sim/world/shooting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sim/game.h"
#include "sim/world/terrain.h"

namespace sim {

namespace {

// Ground samples along a line of sight, metres apart.
constexpr float kSightStep = 4.0f;
// Hits are sure up to this distance (for a perfect shot), then fall off to a third at the range.
constexpr float kSureRange = 25.0f;

struct WeaponPower {
    float range;  // metres
    float body;   // share of health a body hit takes from a size-1 animal
};

WeaponPower powerOf(uint32_t weapon) {
    const WeaponInfo* info = findWeapon(weapon);
    switch (info ? info->kind : WeaponClass::None) {
        case WeaponClass::Rifle:
            return {200.0f, 1.5f};
        case WeaponClass::Sniper:
            return {300.0f, 2.0f};
        case WeaponClass::Repeater:
            return {120.0f, 1.0f};
        case WeaponClass::Shotgun:
            return {40.0f, 1.2f};
        case WeaponClass::Pistol:
            return {50.0f, 0.7f};
        case WeaponClass::Bow:
            return {70.0f, 1.2f};
        default:
            return {3.0f, 0.2f};
    }
}

float eyeHeight(const Game& game, const Entity& e) {
    const ModelInfo* model = game.world().models.find(e.model);
    return model && model->human ? 1.6f : 0.8f * e.condition.scale;
}

// How many body hits' worth of health it has: its size class counted from 1.
int32_t sizeOf(const Game& game, const Entity& e) {
    const ModelInfo* model = game.world().models.find(e.model);
    if (!model) return 2;
    return model->human ? 2 : std::max(1, model->sizeClass + 1);
}

}  // namespace

bool canSee(const Entity& a, const Entity& b) {
    const Game* game = Game::current();
    if (!game) return false;
    const float d = distance3d(a.position, b.position);
    if (d > kSightRange) return false;
    const Vec3 from{a.position.x, a.position.y, a.position.z + eyeHeight(*game, a)};
    const Vec3 to{b.position.x, b.position.y, b.position.z + 0.5f * eyeHeight(*game, b)};
    const int steps = static_cast<int>(d / kSightStep);
    for (int i = 1; i < steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        const float x = from.x + (to.x - from.x) * t, y = from.y + (to.y - from.y) * t;
        const auto ground = Terrain::heightAt(x, y);
        if (ground && *ground > from.z + (to.z - from.z) * t) return false;
    }
    return true;
}

int32_t sightOf(const Game& game, Entity& ped, const Entity& other) {
    if (ped.dead || !canSee(ped, other)) {
        ped.inViewSince.erase(other.handle);
        return 0;
    }
    // Never 0: that is "not watching".
    const auto [it, fresh] = ped.inViewSince.try_emplace(other.handle, game.timer() | 1u);
    return fresh || game.timer() - it->second < kSightSettleMs ? 2 : 1;
}

double hitChance(const Entity& shooter, float distance) {
    const WeaponPower power = powerOf(shooter.currentWeapon);
    if (distance > power.range) return 0.0;
    const double skill = std::clamp(shooter.accuracy, 0, 100) / 100.0;
    double reach = 1.0;
    if (distance > kSureRange) {
        reach = 1.0 - (2.0 / 3.0) * (distance - kSureRange) / (power.range - kSureRange);
    }
    return skill * std::clamp(reach, 0.0, 1.0);
}

void fireShot(Game& game, Entity& shooter, Entity& target) {
    World& world = game.world();
    auto ammo = shooter.weapons.find(shooter.currentWeapon);
    if (ammo != shooter.weapons.end() && ammo->second <= 0) return;
    if (ammo != shooter.weapons.end()) --ammo->second;
    shooter.lastShotAt = game.timer();
    shooter.weaponDrawn = true;

    const float d = distance3d(shooter.position, target.position);
    const double chance = canSee(shooter, target) ? hitChance(shooter, d) : 0.0;
    const bool hit = game.random().chance() < chance;
    if (hit && !target.dead) {
        const double skill = std::clamp(shooter.accuracy, 0, 100) / 100.0;
        const double where = game.random().chance();
        const bool head = where < 0.1 + 0.3 * skill;
        const int32_t bone = head ? kBoneHead : where < 0.6 ? kBoneVitals : kBoneSpine;
        const WeaponPower power = powerOf(shooter.currentWeapon);
        // A share of a standard ped's health: one given more health by a script takes more hits.
        const float share = power.body / static_cast<float>(sizeOf(game, target)) /
                            (target.maxHealth / kStandardHealth);
        const float ratio = target.health / target.maxHealth - (head ? 3.0f * share : share);
        damagePed(game, target, shooter.handle, shooter.currentWeapon, bone, std::max(ratio, 0.0f),
                  ratio <= 0.0f);
    } else {
        game.report("world", "ped " + std::to_string(shooter.handle) + " shoots at ped " +
                                 std::to_string(target.handle) + " and misses");
    }
    for (auto& [handle, e] : world.entities.all()) {
        if (handle == shooter.handle || e.dead) continue;
        if (handle == target.handle || distance3d(e.position, target.position) <= kStartleRange)
            startFlee(game, e, shooter.position);
    }
}

void startFlee(Game& game, Entity& animal, Vec3 from) {
    const ModelInfo* model = game.world().models.find(animal.model);
    if (!model || !model->isAnimal() || model->horse || animal.dead) return;
    if (animal.relationshipGroup != gameHash("REL_WILD_ANIMAL")) return;
    animal.fleeFrom = from;
    if (static_cast<int32_t>(animal.fleeUntil - game.timer()) <= 0)
        animal.fleeStartAt = game.timer() + kFleeReactionMs;
    animal.fleeUntil = game.timer() + kFleeReactionMs + kFleeMs;
    animal.wandering = false;
}

}  // namespace sim
