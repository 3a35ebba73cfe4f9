// Trading: the player's situation and target, riding and leading horses, what a person is busy
// with, horse cargo as item sets, pelts and carcasses, hitching posts, and ped tasks and task
// sequences.
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

// A task for ped 0 joins the open sequence; for a real ped it replaces what the ped does.
void giveTask(Game& game, const NativeCall& c, const Task& task, const char* native) {
    World& world = game.world();
    const int32_t ped = c.i32(0);
    if (ped == 0) {
        if (world.trade.sequences.openId() == 0) {
            game.fail(std::string(native) + " for ped 0 without an open sequence");
            return;
        }
        world.trade.sequences.add(task);
        return;
    }
    Entity* e = world.entities.find(ped);
    if (!e || e->kind != EntityKind::Ped) return;
    e->trade.tasks.clear();
    e->trade.tasks.queue.push_back(task);
}

void registerPlayerAndPeople(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    t.add(0xAD401C63158ACBAA, "IS_PLAYER_DEAD", 1, [&world](NativeCall& c) {
        const Entity* player = world.entities.find(world.player.ped);
        c.retBool(c.i32(0) == 0 && (!player || player->dead));
    });
    t.add(0x2E9C3FCB6798F397, "IS_PLAYER_BEING_ARRESTED", 1,
          [&world](NativeCall& c) { c.retBool(c.i32(0) == 0 && world.trade.playerBeingArrested); });
    t.add(0xB15CD1CF58771DE1, "GET_MISSION_FLAG", 0,
          [&world](NativeCall& c) { c.retBool(world.trade.missionFlag); });
    t.add(0xAE663DDD99C8A670, "GET_PLAYER_TARGET_ENTITY", 2, [&world](NativeCall& c) {
        int32_t* out = c.ptr<int32_t>(1);
        const int32_t target = world.player.target;
        const bool found = c.i32(0) == 0 && target != 0 && world.entities.exists(target);
        if (found && out) *out = target;
        c.retBool(found);
    });
    t.add(0xCF8176912DDA4EA5, "IS_ENTITY_A_PED", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->kind == EntityKind::Ped);
    });
    t.add(0x84A2DD9AC37C35C1, "IS_PED_INJURED", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && (e->dead || e->health <= e->maxHealth * kInjuredRatio));
    });
    t.add(0x997ABD671D25CA0B, "IS_PED_IN_ANY_VEHICLE", 2, stateQuery(game, PersonState::InVehicle));
    t.add(0xB417689857646F61, "IS_PED_GETTING_UP", 1, stateQuery(game, PersonState::GettingUp));
    t.add(0xBBCCE00B381F8482, "IS_PED_FLEEING", 1, stateQuery(game, PersonState::Fleeing));
    t.add(0x34616828CD07F1A1, "IS_PED_IN_MELEE_COMBAT", 1,
          stateQuery(game, PersonState::MeleeCombat));
    t.add(0x4859F1FC66A6278E, "IS_PED_IN_COMBAT", 2, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && isFighting(*e, c.i32(1)));
    });
    t.add(0x4E209B2C1EAD5159, "IS_PED_HANDS_UP", 1, stateQuery(game, PersonState::HandsUp));
    t.add(0x3AA24CCC0D451379, "IS_PED_HOGTIED", 1, stateQuery(game, PersonState::Hogtied));
    t.add(0xFB92A102F1C4DFA3, "IS_PED_BEING_CARRIED", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && (e->trade.has(PersonState::BeingCarried) || e->trade.heldBy != 0));
    });
    t.add(0x9682F850056C9ADE, "IS_PED_LASSOED", 1, stateQuery(game, PersonState::Lassoed));
    t.add(0x60DFD0691A170B88, "IS_PED_RESPONDING_TO_EVENT", 3,
          stateQuery(game, PersonState::RespondingToEvent));
    t.add(0x9F65DBC537E59AD5, "IS_PED_STORY_CHARACTER", 1,
          stateQuery(game, PersonState::StoryCharacter));
    t.add(0xF162E133B4E7A675, "GET_PED_GROUP_INDEX", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retU32(e ? e->trade.group : 0);
    });
    t.add(0x6F972C1AB75A1ED0, "IS_PED_IN_CONVERSATION", 1,
          stateQuery(game, PersonState::InConversation));
    t.add(0x2E0E1C2B4F6CB339, "IS_PED_CARRYING_ENTITY", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.holding != 0);
    });
    t.add(0xC5286FFC176F28A2, "IS_PED_WORKING", 1, stateQuery(game, PersonState::Working));
    t.add(0x57E457CD2C0FC168, "IS_PED_USING_ANY_SCENARIO", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        const World& w = game.world();
        c.retBool(e && (e->trade.tasks.scenario != 0 ||
                        (e->handle == w.player.ped && w.player.scenario != 0)));
    });
    t.add(0x74E559B3BC910685, "IS_PED_IN_DUEL", 1, stateQuery(game, PersonState::InDuel));
}

void registerHorses(Game& game) {
    NativeTable& t = game.natives();
    t.add(0x460BC76A0E10655E, "IS_PED_ON_MOUNT", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.mount != 0);
    });
    t.add(0xE7E11B8DCBED1058, "GET_MOUNT", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.ret(e ? e->trade.mount : 0);
    });
    t.add(0xEFC4303DDC6E60D3, "IS_PED_LEADING_HORSE", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.ledHorse != 0);
    });
    t.add(0xED1F514AF4732258, "GET_LED_HORSE", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.ret(e ? e->trade.ledHorse : 0);
    });
    t.add(0xA911EE21EDF69DAF, "IS_HORSE_SADDLED", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        const ModelInfo* model = e ? game.world().models.find(e->model) : nullptr;
        c.retBool(e && e->kind == EntityKind::Ped && model && model->horse && e->trade.saddled);
    });
    // (x, y, z, model, radius, 1, 1): the nearest object of the model within the radius.
    t.add(0xF533D68FF970D190, "GET_CLOSEST_OBJECT_OF_TYPE", 7, [&game](NativeCall& c) {
        const Vec3 at = c.vec(0);
        const uint32_t model = c.u32(3);
        float best = c.f32(4);
        int32_t found = 0;
        for (const auto& [handle, e] : game.world().entities.all()) {
            if (e.kind != EntityKind::Object || e.model != model) continue;
            const float d = distance3d(e.position, at);
            if (d <= best) {
                best = d;
                found = handle;
            }
        }
        c.ret(found);
    });
}

void registerCargo(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    t.add(0xA1AF16083320065A, "CREATE_ITEMSET", 1,
          [&world](NativeCall& c) { c.ret(world.trade.itemsets.create()); });
    t.add(0xB5ACE8B23A438EC0, "GET_HORSE_CARGO", 2, [&world](NativeCall& c) {
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
    t.add(0x55F2E375AC6018A9, "GET_ITEMSET_SIZE", 1, [&world](NativeCall& c) {
        const std::vector<int32_t>* set = world.trade.itemsets.find(c.i32(0));
        c.ret(set ? static_cast<int32_t>(set->size()) : 0);
    });
    t.add(0x275A2E2C0FAB7612, "GET_INDEXED_ITEM_IN_ITEMSET", 2, [&world](NativeCall& c) {
        const std::vector<int32_t>* set = world.trade.itemsets.find(c.i32(1));
        const int32_t i = c.i32(0);
        c.ret(set && i >= 0 && static_cast<size_t>(i) < set->size() ? (*set)[i] : 0);
    });
    t.add(0x712BC69F10549B92, "DESTROY_ITEMSET", 1,
          [&world](NativeCall& c) { world.trade.itemsets.destroy(c.i32(0)); });
    t.add(0x255B6DB4E3AD3C3E, "IS_ENTITY_A_PELT", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.pelt);
    });
    t.add(0x88EFFED5FE8B0B4A, "GET_CARCASS_QUALITY", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        const ModelInfo* model = e ? game.world().models.find(e->model) : nullptr;
        const bool animal = e && e->kind == EntityKind::Ped && model && model->isAnimal();
        c.ret(animal ? e->condition.quality : -1);
    });
    // (out item hash, entity, quality): the carcass item of an animal at that quality.
    t.add(0x9E7738B291706746, "GET_CARCASS_ITEM_HASH", 3, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 1);
        const ModelInfo* model = e ? game.world().models.find(e->model) : nullptr;
        const int32_t quality = c.i32(2);
        uint32_t* out = c.ptr<uint32_t>(0);
        if (!e || e->kind != EntityKind::Ped || !model || !model->isAnimal() ||
            model->display.empty() || quality < 0 || quality > 2 || !out) {
            return c.retU64(0);
        }
        *out = itemHash(model->carcassItem(quality));
        c.retU64(1);
    });
    t.add(0x31FEF6A20F00B963, "GET_PELT_ITEM_HASH", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retU32(e && e->trade.pelt ? e->trade.peltItem : 0);
    });
    t.add(0x5594AFE9DE0C01B7, "IS_CARGO_PRISTINE", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.pristine);
    });
    t.add(0x8DE41E9902E85756, "IS_CARGO_SPOILED", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        c.retBool(e && e->trade.spoiled);
    });
}

void registerSequences(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    t.add(0xE8854A4326B9E12B, "OPEN_SEQUENCE_TASK", 1, [&game, &world](NativeCall& c) {
        int32_t* out = c.ptr<int32_t>(0);
        if (world.trade.sequences.openId() != 0) {
            game.fail("OPEN_SEQUENCE_TASK while another sequence is open");
            return;
        }
        const int32_t id = world.trade.sequences.open();
        if (id == 0) game.report("world", "no free task sequence");
        if (out) *out = id;
    });
    t.add(0x39E72BC99E6360CB, "CLOSE_SEQUENCE_TASK", 1, [&game, &world](NativeCall& c) {
        if (!world.trade.sequences.close(c.i32(0)))
            game.fail("CLOSE_SEQUENCE_TASK of a sequence that is not open");
    });
    t.add(0x5ABA3986D90D8A3B, "TASK_PERFORM_SEQUENCE", 2, [&game, &world](NativeCall& c) {
        const std::vector<Task>* tasks = world.trade.sequences.closed(c.i32(1));
        if (!tasks) {
            game.fail("TASK_PERFORM_SEQUENCE of a sequence that is not closed");
            return;
        }
        Entity* e = world.entities.find(c.i32(0));
        if (!e || e->kind != EntityKind::Ped) return;
        e->trade.tasks.clear();
        e->trade.tasks.queue = *tasks;
        e->trade.tasks.sequence = !tasks->empty();
    });
    t.add(0x3841422E8C8F5F2B, "CLEAR_SEQUENCE_TASK", 1, [&world](NativeCall& c) {
        if (int32_t* id = c.ptr<int32_t>(0)) {
            world.trade.sequences.clear(*id);
            *id = 0;
        }
    });
    t.add(0x00A9010CFE1E3533, "GET_SEQUENCE_PROGRESS", 1, [&game](NativeCall& c) {
        const Entity* e = entityArg(game, c, 0);
        const PedTasks* tasks = e ? &e->trade.tasks : nullptr;
        c.ret(tasks && tasks->sequence && tasks->busy() ? static_cast<int32_t>(tasks->index) : -1);
    });
    t.add(0xE1EF3C1216AFF2CD, "CLEAR_PED_TASKS", 3, [&game](NativeCall& c) {
        if (Entity* e = entityArg(game, c, 0)) e->trade.tasks.clear();
    });
}

void registerTasks(Game& game) {
    NativeTable& t = game.natives();
    auto add = [&game, &t](uint64_t hash, const char* name, int args,
                           std::function<Task(const NativeCall&)> make) {
        t.add(hash, name, args,
              [&game, name, make](NativeCall& c) { giveTask(game, c, make(c), name); });
    };
    add(0xA21C51255B205245, "TASK_STAND_DOWN", 5,
        [](const NativeCall&) { return Task{TaskKind::StandDown}; });
    add(0x9030AD4B6207BFE8, "TASK_HITCH_ANIMAL", 3, [](const NativeCall& c) {
        Task task{TaskKind::HitchAnimal};
        task.entity = c.i32(1);
        return task;
    });
    add(0x48E92D3DDE23C23A, "TASK_DISMOUNT_ANIMAL", 6,
        [](const NativeCall&) { return Task{TaskKind::DismountAnimal}; });
    add(0x9A7A4A54596FE09D, "TASK_LEAD_HORSE", 2, [](const NativeCall& c) {
        Task task{TaskKind::LeadHorse};
        task.entity = c.i32(1);
        return task;
    });
    add(0x69F4BE8C8CC4796C, "TASK_LOOK_AT_ENTITY", 6, [](const NativeCall& c) {
        Task task{TaskKind::LookAtEntity};
        task.entity = c.i32(1);
        task.limitMs = c.i32(2);
        return task;
    });
    add(0x0F804F1DB19B9689, "TASK_CLEAR_LOOK_AT", 1,
        [](const NativeCall&) { return Task{TaskKind::ClearLookAt}; });
    // (ped, entity, stop distance, speed, timeout in seconds; negative: none).
    add(0x8D7F2A63688C20A4, "TASK_WALK_TOWARD_ENTITY", 5, [](const NativeCall& c) {
        Task task{TaskKind::WalkTowardEntity};
        task.entity = c.i32(1);
        task.stopDistance = c.f32(2);
        task.speed = c.f32(3);
        task.limitMs = c.f32(4) < 0.0f ? -1 : static_cast<int32_t>(c.f32(4) * 1000.0f);
        return task;
    });
    // (ped, entity, duration ms or -1, stop distance, speed, 0.0, 0).
    add(0x6A071245EB0D1882, "TASK_GO_TO_ENTITY", 7, [](const NativeCall& c) {
        Task task{TaskKind::GoToEntity};
        task.entity = c.i32(1);
        task.limitMs = c.i32(2);
        task.stopDistance = c.f32(3);
        task.speed = c.f32(4);
        return task;
    });
    add(0x5AD23D40115353AC, "TASK_TURN_PED_TO_FACE_ENTITY", 6, [](const NativeCall& c) {
        Task task{TaskKind::TurnToFaceEntity};
        task.entity = c.i32(1);
        task.limitMs = c.i32(2);
        return task;
    });
    // (ped, scenario hash, duration ms, ...).
    add(0x524B54361229154F, "TASK_START_SCENARIO_IN_PLACE", 7, [](const NativeCall& c) {
        Task task{TaskKind::ScenarioInPlace};
        task.scenario = c.u32(1);
        task.limitMs = c.i32(2);
        return task;
    });
    add(0x502EC17B1BED4BFA, "TASK_TAKE_FROM_HORSE", 2, [](const NativeCall& c) {
        Task task{TaskKind::TakeFromHorse};
        task.entity = c.i32(1);
        return task;
    });
    add(0x6D3D87C57B3D52C7, "TASK_PLACE_CARRIED_ENTITY_ON_MOUNT", 4, [](const NativeCall& c) {
        Task task{TaskKind::PlaceOnMount};
        task.entity = c.i32(1);
        task.other = c.i32(2);
        return task;
    });
    // (ped, mount, -1, -1, speed, 1, 0, 0).
    add(0x92DB0739813C5186, "TASK_MOUNT_ANIMAL", 8, [](const NativeCall& c) {
        Task task{TaskKind::MountAnimal};
        task.entity = c.i32(1);
        task.speed = c.f32(4);
        return task;
    });
    // (ped, x, y, z, time limit in seconds, arrival radius, slow-down distance, 1).
    add(0xE054346CA3A0F315, "TASK_TRAVEL_TO_COORD", 8, [](const NativeCall& c) {
        Task task{TaskKind::TravelToCoord};
        task.point = c.vec(1);
        task.limitMs = static_cast<int32_t>(c.f32(4) * 1000.0f);
        task.stopDistance = c.f32(5);
        return task;
    });
    add(0xBB9CE077274F6A1B, "TASK_WANDER_STANDARD", 3,
        [](const NativeCall&) { return Task{TaskKind::WanderStandard}; });
}

}  // namespace

void registerTradingNatives(Game& game) {
    World& world = game.world();
    const uint32_t seed = game.options().seed;
    world.trade.sequences = TaskSequences(seed);
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
    registerSequences(game);
    registerTasks(game);
    // After the player's walk: tasks move peds, then horses, led horses and cargo follow.
    game.onFrameStart([&game] {
        stepTasks(game, Game::kFrameMs);
        followRidersAndCarriers(game.world());
    });
}

}  // namespace sim
