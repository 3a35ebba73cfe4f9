// Trading: riding and leading horses, what a person is busy with, horse cargo as item sets,
// pelts and carcasses, hitching posts, and the tasks a trade gives (sequences: natives/tasks.cpp).
#include <cmath>

#include "sim/game.h"
#include "sim/natives/domains.h"
#include "sim/world/terrain.h"

namespace sim {

namespace {

// The hitching posts stand this far outside each town's edge, on the east road.
constexpr float kPostOutsideTown = 12.0f;
// A ped whose health is at or below this share of its maximum is injured.
constexpr float kInjuredRatio = 0.1f;

Entity* entityArg(Game& game, const NativeCall& c, size_t i) {
    return game.world().entities.find(c.i32(i));
}

// A boolean native over one state of the ped in argument 0.
NativeHandler stateQuery(Game& game, PersonState state) {
    return [&game, state](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.has(state));
    };
}

void registerPlayerAndPeople(Game& game) {
    NativeTable& t = game.natives();
    t.add(0xCF8176912DDA4EA5, "IS_ENTITY_A_PED", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->kind == EntityKind::Ped);
    });
    t.add(0x84A2DD9AC37C35C1, "IS_PED_INJURED", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && (e->dead || e->health <= e->maxHealth * kInjuredRatio));
    });
    t.add(0x997ABD671D25CA0B, "IS_PED_IN_ANY_VEHICLE", 2, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.vehicle != Vehicle::None);
    });
    t.add(0xB417689857646F61, "GET_INTERIOR_FROM_ENTITY", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.ret(e ? e->trade.interior : 0);
    });
    // A fight at close quarters: with the hands or a blade.
    t.add(0x4E209B2C1EAD5159, "IS_PED_IN_MELEE_COMBAT", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        const WeaponClass hand = e ? weaponClassOf(e->currentWeapon) : WeaponClass::None;
        c.retBool(e && !e->dead && game.world().entities.exists(e->combatTarget) &&
                  (hand == WeaponClass::Unarmed || hand == WeaponClass::Melee));
    });
    t.add(0x3AA24CCC0D451379, "IS_PED_HOGTIED", 1, Result::Int32,
          stateQuery(game, PersonState::Hogtied));
    t.add(0xFB92A102F1C4DFA3, "IS_PED_FALLING", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->airborne);
    });
    t.add(0x9682F850056C9ADE, "IS_PED_LASSOED", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->lassoedBy != 0);
    });
    // (ped, two flags)
    t.add(0x60DFD0691A170B88, "IS_PED_IN_COVER", 3, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.coverFrom != 0 &&
                  static_cast<int32_t>(game.timer() - e->trade.coverFrom) >= 0);
    });
    t.add(0x9F65DBC537E59AD5, "IS_PED_GOING_INTO_COVER", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.coverFrom != 0 &&
                  static_cast<int32_t>(game.timer() - e->trade.coverFrom) < 0);
    });
    t.add(0xF162E133B4E7A675, "GET_PED_GROUP_INDEX", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retU32(e ? e->trade.group : 0);
    });
    t.add(0x6F972C1AB75A1ED0, "IS_PED_IN_ANY_TRAIN", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.vehicle == Vehicle::Train);
    });
    t.add(0x2E0E1C2B4F6CB339, "IS_PED_IN_ANY_BOAT", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.vehicle == Vehicle::Boat);
    });
    // On foot, by the pace of the last step: faster than a walk, then faster than a run.
    t.add(0xC5286FFC176F28A2, "IS_PED_RUNNING", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && !e->dead && e->groundSpeed > kRunningAbove &&
                  e->groundSpeed <= kSprintingAbove);
    });
    t.add(0x57E457CD2C0FC168, "IS_PED_SPRINTING", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && !e->dead && e->groundSpeed > kSprintingAbove);
    });
    t.add(0x74E559B3BC910685, "IS_PED_CUFFED", 1, Result::Int32,
          stateQuery(game, PersonState::Cuffed));
}

void registerHorses(Game& game) {
    NativeTable& t = game.natives();
    t.add(0x460BC76A0E10655E, "IS_PED_ON_MOUNT", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.mount != 0);
    });
    t.add(0xE7E11B8DCBED1058, "GET_MOUNT", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.ret(e ? e->trade.mount : 0);
    });
    t.add(0xEFC4303DDC6E60D3, "_IS_PED_LEADING_HORSE", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.ledHorse != 0);
    });
    t.add(0xED1F514AF4732258, "_GET_LED_HORSE_FROM_PED", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.ret(e ? e->trade.ledHorse : 0);
    });
    t.add(0xA911EE21EDF69DAF, "IS_PED_CARRYING_SOMETHING", 1, Result::Int32,
          [&game](NativeCall& c) {
              const Entity* e = entityArg(game, c, 0);
              c.retBool(e && e->kind == EntityKind::Ped && carriesSomething(game.world(), *e));
          });
    // (x, y, z, scenario type, distance, two flags): the nearest scenario point of that type
    // within the distance, or 0. The hitching posts carry points of their own.
    t.add(0xF533D68FF970D190, "FIND_SCENARIO_OF_TYPE_HASH", 7, Result::Int32,
          [&game](NativeCall& c) {
              const ScenarioPoint* point =
                  game.world().scenarioPoints.nearest(c.vec(0), c.f32(4), c.u32(3));
              c.ret(point ? point->id : 0);
          });
}

void registerCargo(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    t.add(0xA1AF16083320065A, "CREATE_ITEMSET", 1, Result::Int32,
          [&world](NativeCall& c) { c.ret(world.trade.itemsets.create()); });
    t.add(0xB5ACE8B23A438EC0, "FIND_ALL_ATTACHED_CARRIABLE_ENTITIES", 2, Result::Void,
          [&world](NativeCall& c) {
              const Entity* horse = world.entities.find(c.i32(0));
              std::vector<int32_t>* set = world.trade.itemsets.find(c.i32(1));
              if (!set) return c.ret(0);
              set->clear();
              if (horse) {
                  for (int32_t item : horse->trade.cargo) {
                      if (world.entities.exists(item)) set->push_back(item);
                  }
              }
              c.ret(static_cast<int32_t>(set->size()));
          });
    t.add(0x55F2E375AC6018A9, "GET_ITEMSET_SIZE", 1, Result::Int32, [&world](NativeCall& c) {
        const std::vector<int32_t>* set = world.trade.itemsets.find(c.i32(0));
        c.ret(set ? static_cast<int32_t>(set->size()) : 0);
    });
    t.add(0x275A2E2C0FAB7612, "GET_INDEXED_ITEM_IN_ITEMSET", 2, Result::Int32,
          [&world](NativeCall& c) {
              const std::vector<int32_t>* set = world.trade.itemsets.find(c.i32(1));
              const int32_t i = c.i32(0);
              c.ret(set && i >= 0 && static_cast<size_t>(i) < set->size() ? (*set)[i] : 0);
          });
    t.add(0x712BC69F10549B92, "DESTROY_ITEMSET", 1, Result::Void,
          [&world](NativeCall& c) { world.trade.itemsets.destroy(c.i32(0)); });
    t.add(0x255B6DB4E3AD3C3E, "_GET_IS_CARRIABLE_PELT", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.pelt);
    });
    t.add(0x88EFFED5FE8B0B4A, "_GET_PED_DAMAGE_CLEANLINESS", 1, Result::Int32,
          [&game](NativeCall& c) {
              const Entity* e = entityArg(game, c, 0);
              const ModelInfo* model = e ? game.world().models.find(e->model) : nullptr;
              const bool animal = e && e->kind == EntityKind::Ped && model && model->isAnimal();
              c.ret(animal ? e->condition.quality : -1);
          });
    // (out item hash, entity, quality): the carcass item of an animal at that quality.
    t.add(0x9E7738B291706746, "COMPUTE_SATCHEL_ITEM_FOR_PED_DAMAGE", 3, Result::Int32,
          [&game](NativeCall& c) {
              const Entity* e = entityArg(game, c, 1);
              const ModelInfo* model = e ? game.world().models.find(e->model) : nullptr;
              const int32_t quality = c.i32(2);
              uint32_t* out = c.ptr<uint32_t>(0);
              if (!e || e->kind != EntityKind::Ped || !model || !model->isAnimal() ||
                  model->display.empty() || quality < 0 || quality > 2 || !out) {
                  return c.retBool(false);
              }
              *out = itemHash(model->carcassItem(quality));
              c.retBool(true);
          });
    t.add(0x31FEF6A20F00B963, "_GET_CARRIABLE_FROM_ENTITY", 1, Result::Int32,
          [&game](NativeCall& c) {
              const Entity* e = entityArg(game, c, 0);
              c.retU32(e && e->trade.pelt ? e->trade.peltItem : 0);
          });
    // A pelt is an object of its animal's model: it answers for the animal it came from.
    t.add(0x5594AFE9DE0C01B7, "_GET_IS_PREDATOR", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        const ModelInfo* model = e ? game.world().models.find(e->model) : nullptr;
        c.retBool(model && model->predator);
    });
    t.add(0x8DE41E9902E85756, "_IS_ENTITY_FULLY_LOOTED", 1, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.looted);
    });
}

void registerClearTasks(Game& game) {
    game.natives().add(0xE1EF3C1216AFF2CD, "CLEAR_PED_TASKS", 3, Result::Void,
                       [&game](NativeCall& c) {
                           Entity* e = entityArg(game, c, 0);
                           if (!e) return;
                           e->tasks.clear();
                           e->lookAt = 0;
                           e->trade.scenario = 0;
                           e->trade.scenarioPoint = 0;
                       });
}

Task task(TaskType type, int32_t entity = 0) {
    Task t;
    t.type = type;
    t.entity = entity;
    return t;
}

void registerTasks(Game& game) {
    NativeTable& t = game.natives();
    auto add = [&game, &t](uint64_t hash, const char* name, int args, Result result,
                           std::function<Task(const NativeCall&)> make) {
        t.add(hash, name, args, result,
              [&game, make](NativeCall& c) { giveTask(game, c.i32(0), make(c)); });
    };
    // (ped, scenario point, flag): the point of a hitching post.
    add(0x9030AD4B6207BFE8, "TASK_HITCH_ANIMAL", 3, Result::Void, [](const NativeCall& c) {
        Task k = task(TaskType::HitchAnimal);
        k.value = c.i32(1);
        return k;
    });
    add(0x48E92D3DDE23C23A, "TASK_DISMOUNT_ANIMAL", 6, Result::Void,
        [](const NativeCall&) { return task(TaskType::DismountAnimal); });
    add(0x9A7A4A54596FE09D, "TASK_LEAD_HORSE", 2, Result::Void,
        [](const NativeCall& c) { return task(TaskType::LeadHorse, c.i32(1)); });
    // (ped, entity, duration ms or -1, stop distance, speed in m/s, 0.0, 0).
    add(0x6A071245EB0D1882, "TASK_GO_TO_ENTITY", 7, Result::Void, [](const NativeCall& c) {
        Task k = task(TaskType::GoToEntityWithin, c.i32(1));
        k.durationMs = c.i32(2);
        k.range = c.f32(3);
        k.speed = c.f32(4);
        return k;
    });
    // (ped, scenario hash, duration ms, ...).
    add(0x524B54361229154F, "TASK_START_SCENARIO_IN_PLACE_HASH", 7, Result::Void,
        [](const NativeCall& c) {
            Task k = task(TaskType::ScenarioInPlace);
            k.value = c.i32(1);
            k.durationMs = c.i32(2);
            return k;
        });
    add(0x502EC17B1BED4BFA, "TASK_PICKUP_CARRIABLE_ENTITY", 2, Result::Void,
        [](const NativeCall& c) { return task(TaskType::TakeFromHorse, c.i32(1)); });
    add(0x6D3D87C57B3D52C7, "TASK_PLACE_CARRIED_ENTITY_ON_MOUNT", 4, Result::Void,
        [](const NativeCall& c) {
            Task k = task(TaskType::PlaceOnMount, c.i32(1));
            k.value = c.i32(2);
            return k;
        });
    // (ped, mount, -1, -1, speed in m/s, 1, 0, 0).
    add(0x92DB0739813C5186, "TASK_MOUNT_ANIMAL", 8, Result::Void, [](const NativeCall& c) {
        Task k = task(TaskType::MountAnimal, c.i32(1));
        k.speed = c.f32(4);
        return k;
    });
    add(0xBB9CE077274F6A1B, "TASK_WANDER_STANDARD", 3, Result::Void,
        [](const NativeCall&) { return task(TaskType::WanderStandard); });
}

}  // namespace

void registerTradingNatives(Game& game) {
    World& world = game.world();
    const uint32_t seed = game.options().seed;
    world.trade.itemsets = ItemSets(seed);
    // The player leads his own ped group.
    if (Entity* player = world.entities.find(world.player.ped))
        player->trade.group = 0x7A3E1u ^ (seed * 0x9E37u & 0xFFF0u);
    registerItemLabels(world);
    for (const TownZone& town : world.zones.towns()) {
        const float x = town.x + town.radius + kPostOutsideTown;
        placeHitchingPost(world, {x, town.y, Terrain::heightAt(x, town.y).value_or(0.0f)});
    }
    registerPlayerAndPeople(game);
    registerHorses(game);
    registerCargo(game);
    registerClearTasks(game);
    registerTasks(game);
    // After walking and tasks: horses, led horses and cargo follow.
    game.onFrameStart([&game] { followRidersAndCarriers(game.world()); });
}

}  // namespace sim
