#include "sim/world/animals.h"

#include <cmath>
#include <cstdio>

#include "sim/game.h"
#include "sim/world/events.h"
#include "sim/world/hash.h"
#include "sim/world/models.h"
#include "sim/world/shooting.h"

namespace sim {

namespace {

const std::vector<std::pair<uint32_t, WeaponInfo>>& weapons() {
    static const std::vector<std::pair<uint32_t, WeaponInfo>> table = [] {
        const std::vector<WeaponInfo> list = {
            {"WEAPON_UNARMED", WeaponClass::Unarmed},
            {"WEAPON_MELEE_KNIFE", WeaponClass::Melee},
            {"WEAPON_MELEE_HATCHET", WeaponClass::Melee},
            {"WEAPON_LASSO", WeaponClass::Lasso},
            {"WEAPON_LASSO_REINFORCED", WeaponClass::Lasso},
            {"WEAPON_REVOLVER_CATTLEMAN", WeaponClass::Pistol},
            {"WEAPON_REVOLVER_SCHOFIELD", WeaponClass::Pistol},
            {"WEAPON_PISTOL_VOLCANIC", WeaponClass::Pistol},
            {"WEAPON_REPEATER_CARBINE", WeaponClass::Repeater},
            {"WEAPON_REPEATER_WINCHESTER", WeaponClass::Repeater},
            {"WEAPON_RIFLE_SPRINGFIELD", WeaponClass::Rifle},
            {"WEAPON_RIFLE_BOLTACTION", WeaponClass::Rifle},
            {"WEAPON_RIFLE_VARMINT", WeaponClass::Rifle},
            {"WEAPON_SNIPERRIFLE_ROLLINGBLOCK", WeaponClass::Sniper},
            {"WEAPON_SNIPERRIFLE_CARCANO", WeaponClass::Sniper},
            {"WEAPON_BOW", WeaponClass::Bow},
            {"WEAPON_BOW_IMPROVED", WeaponClass::Bow},
            {"WEAPON_SHOTGUN_PUMP", WeaponClass::Shotgun},
            {"WEAPON_SHOTGUN_DOUBLEBARREL", WeaponClass::Shotgun},
            {"WEAPON_HORSE", WeaponClass::Animal},
            {"WEAPON_ANIMAL", WeaponClass::Animal},
        };
        std::vector<std::pair<uint32_t, WeaponInfo>> t;
        for (const auto& w : list)
            t.emplace_back(gameHash(w.name), w);
        return t;
    }();
    return table;
}

// What a hit makes the victim do.
void reactToHit(Game& game, Entity& victim, int32_t attacker, uint32_t weapon) {
    const Entity* by = game.world().entities.find(attacker);
    if (victim.dead || !by) return;
    const ModelInfo* model = game.world().models.find(victim.model);
    const WeaponInfo* info = findWeapon(weapon);
    if (model && model->isAnimal()) {
        startFlee(game, victim, by->position);
    } else if (info && info->kind == WeaponClass::Lasso) {
        victim.lassoedBy = attacker;
        victim.tasks.clear();
    } else if (victim.handle != game.world().player.ped) {
        bool armed = false;
        for (const auto& [hash, ammo] : victim.weapons)
            armed |= hash != kWeaponUnarmed;
        if (armed) {
            victim.combatTarget = attacker;
        } else {
            victim.fleeFrom = by->position;
            victim.fleeStartAt = game.timer() + kFleeReactionMs;
            victim.fleeUntil = victim.fleeStartAt + kFleeMs;
        }
        victim.tasks.clear();
    }
}

}  // namespace

const WeaponInfo* findWeapon(uint32_t hash) {
    for (const auto& [h, info] : weapons()) {
        if (h == hash) return &info;
    }
    return nullptr;
}

const WeaponInfo* findWeaponNamed(const std::string& name) {
    return findWeapon(gameHash(name));
}

bool isGun(WeaponClass kind) {
    switch (kind) {
        case WeaponClass::Pistol:
        case WeaponClass::Repeater:
        case WeaponClass::Rifle:
        case WeaponClass::Sniper:
        case WeaponClass::Shotgun:
            return true;
        default:
            return false;
    }
}

WeaponClass weaponClassOf(uint32_t hash) {
    const WeaponInfo* info = findWeapon(hash);
    return info ? info->kind : WeaponClass::None;
}

Vec3 bonePosition(const Entity& ped, int32_t bone) {
    const float s = ped.condition.scale;
    const float rad = ped.heading * 3.14159265f / 180.0f;
    const float fx = -std::sin(rad), fy = std::cos(rad);
    float forward = 0.0f, up = 0.0f;
    if ((bone >= 0x384A && bone <= 0x384E) || bone == kBoneHead) {
        forward = 0.9f;
        up = 1.1f;
    } else if (bone == kBoneSpine) {
        up = 0.8f;
    } else if (bone != 0) {
        up = 0.4f;
    }
    return {ped.position.x + fx * forward * s, ped.position.y + fy * forward * s,
            ped.position.z + up * s};
}

Entity& spawnPed(Game& game, const ModelInfo& model, Vec3 position, float heading, int32_t quality,
                 float healthRatio) {
    Entity& e =
        game.world().entities.create(EntityKind::Ped, gameHash(model.name), position, heading);
    applyModel(e, model);
    e.condition.quality = quality;
    e.health = e.maxHealth * healthRatio;
    game.world().events.push(kEventPedCreated, {static_cast<uint32_t>(e.handle)});
    game.report("world", model.name + " created as ped " + std::to_string(e.handle));
    return e;
}

void damagePed(Game& game, Entity& victim, int32_t attacker, uint32_t weapon, int32_t bone,
               float healthRatio, bool kill, float impactAbove) {
    World& world = game.world();
    const float before = victim.health;
    victim.health = kill ? 0.0f : victim.maxHealth * healthRatio;
    const bool wasDead = victim.dead;
    if (kill || victim.health <= 0.0f) markDead(victim, game.timer());
    if (victim.dead && !wasDead) {
        victim.condition.killedByDamage = true;
        victim.killer = attacker;
    }
    if (attacker != 0) victim.damagedBy.insert(attacker);
    victim.condition.lastDamagedBone = bone;
    const ModelInfo* model = world.models.find(victim.model);
    if (!victim.dead) {
        // Knocked off its feet by the hit; a longer collapse already under way is kept.
        const uint32_t up = game.timer() + kKnockDownMs;
        if (!isRagdoll(game, victim) ||
            static_cast<int32_t>(up - victim.condition.ragdollUntil) > 0)
            victim.condition.ragdollUntil = up;
        if (healthRatio <= kWritheHealth && (!model || !model->isAnimal() || model->sizeClass > 0))
            victim.condition.writhing = true;
    }
    if (Entity* shooter = world.entities.find(attacker)) {
        const Vec3 b = bonePosition(victim, bone);
        shooter->hasLastImpact = true;
        shooter->lastImpact = {b.x, b.y, b.z + impactAbove};
    }
    raiseEntityDamaged(game, victim, attacker, weapon, before - victim.health, bone);
    reactToHit(game, victim, attacker, weapon);
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2f", victim.health / victim.maxHealth);
    game.report("world", "ped " + std::to_string(victim.handle) + " hit, health " + ratio +
                             (victim.dead ? ", dead" : ""));
}

void raiseEntityDamaged(Game& game, const Entity& victim, int32_t attacker, uint32_t weapon,
                        float damage, int32_t bone) {
    // Slots: damaged entity, damaging entity, weapon, ammo, damage, (unused), bone, killed,
    // (unused).
    game.world().events.push(kEventEntityDamaged,
                             {static_cast<uint32_t>(victim.handle), static_cast<uint32_t>(attacker),
                              weapon, 0, std::bit_cast<uint32_t>(damage), 0,
                              static_cast<uint32_t>(bone), victim.dead ? 1u : 0u, 0});
}

void inspectPed(Game& game, int32_t ped) {
    std::vector<uint64_t> data(kPromptTriggeredSlots, 0);
    data[0] = 35;
    data[2] = static_cast<uint32_t>(ped);
    game.world().events.push(kEventPromptTriggered, std::move(data));
    // The event is read in the next frame; the panel is up from the frame after that.
    game.world().hunting.inspectionOpenFrom = game.frame() + 2;
    game.world().player.target = ped;
}

void closeInspection(Game& game) {
    game.world().hunting.inspectionOpenFrom = 0;
    game.world().player.target = 0;
}

bool isRagdoll(const Game& game, const Entity& ped) {
    return ped.dead || static_cast<int32_t>(ped.condition.ragdollUntil - game.timer()) > 0;
}

bool isWrithing(const Entity& ped) {
    return ped.condition.writhing && !ped.dead;
}

}  // namespace sim
