// Relationship groups, fighting and fleeing, shooting, sight, accuracy and weapons of peds the
// game drives, and who hurt or killed whom.
#include "sim/game.h"
#include "sim/natives/domains.h"
#include "sim/world/shooting.h"

namespace sim {

namespace {

// A ped counts as shooting for this long after a shot.
constexpr uint32_t kShootingMs = 500;

// How good a weapon is for a ped to pick up first: long arms before side arms.
int weaponRank(uint32_t hash) {
    const WeaponInfo* info = findWeapon(hash);
    switch (info ? info->kind : WeaponClass::None) {
        case WeaponClass::Sniper:
        case WeaponClass::Rifle:
            return 6;
        case WeaponClass::Repeater:
            return 5;
        case WeaponClass::Shotgun:
            return 4;
        case WeaponClass::Bow:
            return 3;
        case WeaponClass::Pistol:
            return 2;
        case WeaponClass::Melee:
            return 1;
        default:
            return 0;
    }
}

int32_t currentTarget(const Entities& entities, const Entity& ped) {
    if (entities.exists(ped.combatTarget)) return ped.combatTarget;
    if (!ped.tasks.busy()) return 0;
    const Task& task = ped.tasks.list[ped.tasks.current];
    const bool against = task.type == TaskType::AimAtEntity || task.type == TaskType::ShootAtEntity;
    return against && entities.exists(task.entity) ? task.entity : 0;
}

}  // namespace

void registerCombatNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    Entities& entities = world.entities;

    // --- Relationship groups --------------------------------------------------------------
    // (name, out group hash)
    t.add(0xF372BC22FCB88606, "ADD_RELATIONSHIP_GROUP", 2, Result::Int32, [&world](NativeCall& c) {
        const char* name = c.str(0);
        uint32_t* out = c.ptr<uint32_t>(1);
        if (!name) {
            c.retBool(false);
            return;
        }
        const uint32_t group = world.relationships.add(name);
        if (out) *out = group;
        c.retBool(true);
    });
    // (level, from group, to group)
    t.add(0xBF25EB89375A37AD, "SET_RELATIONSHIP_BETWEEN_GROUPS", 3, Result::Void,
          [&world](NativeCall& c) { world.relationships.set(c.i32(0), c.u32(1), c.u32(2)); });
    t.add(0xC80A74AC829DDD92, "SET_PED_RELATIONSHIP_GROUP_HASH", 2, Result::Void,
          [&world](NativeCall& c) {
              Entity* ped = world.entities.find(c.i32(0));
              if (ped && world.relationships.exists(c.u32(1))) ped->relationshipGroup = c.u32(1);
          });
    t.add(0x42FDD0F017B1E38E, "GET_PED_RELATIONSHIP_GROUP_DEFAULT_HASH", 1, Result::Int32,
          [&world](NativeCall& c) {
              const Entity* ped = world.entities.find(c.i32(0));
              const ModelInfo* model = ped ? world.models.find(ped->model) : nullptr;
              c.retU32(model ? model->relationshipGroup : 0);
          });

    // --- Fighting, fleeing, captured --------------------------------------------------------
    // (ped, target): the ped fights the target.
    t.add(0x4859F1FC66A6278E, "IS_PED_IN_COMBAT", 2, Result::Int32, [&entities](NativeCall& c) {
        const Entity* ped = entities.find(c.i32(0));
        c.retBool(ped && !ped->dead && c.i32(1) != 0 && ped->combatTarget == c.i32(1));
    });
    t.add(0xBBCCE00B381F8482, "IS_PED_FLEEING", 1, Result::Int32,
          [&game, &entities](NativeCall& c) {
              const Entity* ped = entities.find(c.i32(0));
              c.retBool(ped && !ped->dead && ped->fleeUntil != 0 &&
                        static_cast<int32_t>(ped->fleeUntil - game.timer()) > 0);
          });
    // The entity the ped fights, or else the one its task aims or shoots at; 0 for none.
    t.add(0xCD66FEA29400A0B5, "GET_CURRENT_TARGET_FOR_PED", 1, Result::Int32,
          [&entities](NativeCall& c) {
              const Entity* ped = entities.find(c.i32(0));
              c.ret(ped && !ped->dead ? currentTarget(entities, *ped) : 0);
          });

    // --- Shooting and sight -----------------------------------------------------------------
    t.add(
        0x34616828CD07F1A1, "IS_PED_SHOOTING", 1, Result::Int32, [&game, &entities](NativeCall& c) {
            const Entity* ped = entities.find(c.i32(0));
            c.retBool(ped && ped->lastShotAt != 0 && game.timer() - ped->lastShotAt < kShootingMs);
        });
    // (ped, entity, two flags) -> 0 cannot see, 1 sees, 2 not sure yet: within sight range, no
    // ground between, and in view for a moment.
    t.add(0x7F9B9791D4CB71F6, "CAN_PED_SEE_ENTITY", 4, Result::Int32,
          [&game, &entities](NativeCall& c) {
              Entity* ped = entities.find(c.i32(0));
              const Entity* other = entities.find(c.i32(1));
              c.ret(ped && other ? sightOf(game, *ped, *other) : 0);
          });
    t.add(0x37F4AD56ECBC0CD6, "GET_PED_ACCURACY", 1, Result::Int32, [&entities](NativeCall& c) {
        const Entity* ped = entities.find(c.i32(0));
        c.ret(ped ? ped->accuracy : 0);
    });
    t.add(0x7AEFB85C1D49DEB6, "SET_PED_ACCURACY", 2, Result::Void, [&entities](NativeCall& c) {
        if (Entity* ped = entities.find(c.i32(0))) ped->accuracy = std::clamp(c.i32(1), 0, 100);
    });
    // (ped, two unused): the best weapon the ped carries; unarmed when it carries none.
    t.add(0x8483E98E8B888AE2, "GET_BEST_PED_WEAPON", 3, Result::Int32, [&entities](NativeCall& c) {
        const Entity* ped = entities.find(c.i32(0));
        uint32_t best = kWeaponUnarmed;
        if (ped) {
            for (const auto& [hash, ammo] : ped->weapons) {
                if (weaponRank(hash) > weaponRank(best)) best = hash;
            }
        }
        c.retU32(best);
    });

    // --- Who hurt whom ---------------------------------------------------------------------
    t.add(0x93C8B64DEB84728C, "GET_PED_SOURCE_OF_DEATH", 1, Result::Int32,
          [&entities](NativeCall& c) {
              const Entity* ped = entities.find(c.i32(0));
              c.ret(ped && ped->dead ? ped->killer : 0);
          });
    // (entity, by entity, two flags)
    t.add(0x7B6E7BEC1143AC86, "HAS_ENTITY_BEEN_DAMAGED_BY_ENTITY", 4, Result::Int32,
          [&entities](NativeCall& c) {
              const Entity* e = entities.find(c.i32(0));
              c.retBool(e && e->damagedBy.count(c.i32(1)) != 0);
          });
    t.add(0x09B83E68DE004CD4, "_GET_CARRIER_AS_PED", 1, Result::Int32, [&world](NativeCall& c) {
        const Entity* e = world.entities.find(c.i32(0));
        c.ret(e ? carrierOf(world, *e) : 0);
    });
}

}  // namespace sim
