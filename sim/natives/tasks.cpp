// Tasks: task sequences, the tasks peds carry out, stealth movement and looking at things. A task
// native called with ped 0 adds the task to the open sequence.
#include "sim/game.h"
#include "sim/natives/domains.h"
#include "sim/world/behaviour.h"
#include "sim/world/hash.h"

namespace sim {

namespace {

Task task(TaskType type) {
    Task t;
    t.type = type;
    return t;
}

}  // namespace

void registerTaskNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();

    // --- Sequences ----------------------------------------------------------------------------
    t.add(0xE8854A4326B9E12B, "OPEN_SEQUENCE_TASK", 1, Result::Void,
          [&game, &world](NativeCall& c) {
              int32_t* out = c.ptr<int32_t>(0);
              if (world.sequences.openHandle() != 0) {
                  game.fail("OPEN_SEQUENCE_TASK while another sequence is open");
                  return;
              }
              const int32_t handle = world.sequences.open(game.random());
              if (handle == 0)
                  game.fail("task sequence pool exhausted: sequences are never cleared");
              if (out) *out = handle;
          });
    t.add(0x39E72BC99E6360CB, "CLOSE_SEQUENCE_TASK", 1, Result::Void,
          [&world](NativeCall& c) { world.sequences.close(c.i32(0)); });
    t.add(0x3841422E9C488D8C, "CLEAR_SEQUENCE_TASK", 1, Result::Void, [&world](NativeCall& c) {
        int32_t* handle = c.ptr<int32_t>(0);
        if (!handle) return;
        world.sequences.clear(*handle);
        *handle = 0;
    });
    // A ped performs its own copy: clearing the sequence afterwards does not stop it.
    t.add(0x5ABA3986D90D8A3B, "TASK_PERFORM_SEQUENCE", 2, Result::Void, [&world](NativeCall& c) {
        Entity* ped = world.entities.find(c.i32(0));
        const std::vector<Task>* tasks = world.sequences.closed(c.i32(1));
        if (!ped || ped->dead || !tasks) return;
        ped->tasks.assign(*tasks, true);
    });
    t.add(0x00A9010CFE1E3533, "GET_SEQUENCE_PROGRESS", 1, Result::Int32, [&world](NativeCall& c) {
        const Entity* ped = world.entities.find(c.i32(0));
        c.ret(ped ? ped->tasks.progress() : -1);
    });
    // From the moment his task takes up a point (on his way to it) until he leaves it.
    t.add(0x57AB4A3080F85143, "IS_PED_USING_ANY_SCENARIO", 1, Result::Int32,
          [&world](NativeCall& c) {
              const Entity* ped = world.entities.find(c.i32(0));
              const Task* task =
                  ped && ped->tasks.busy() ? &ped->tasks.list[ped->tasks.current] : nullptr;
              const bool toPoint = task && task->type == TaskType::UseScenario &&
                                   world.scenarioPoints.find(task->value) != nullptr;
              c.retBool(ped && !ped->dead &&
                        (toPoint || ped->trade.scenario != 0 ||
                         (ped->handle == world.player.ped && world.player.scenario != 0)));
          });

    // --- Tasks (ped 0: into the open sequence) ---------------------------------------------
    // (ped, x, y, z, move blend, timeout, stopping range, flags, final heading)
    t.add(0x15D3A79D4E44B913, "TASK_FOLLOW_NAV_MESH_TO_COORD", 9, Result::Void,
          [&game](NativeCall& c) {
              Task k = task(TaskType::GoToCoord);
              k.point = c.vec(1);
              k.speed = c.f32(4);
              k.range = c.f32(6);
              giveTask(game, c.i32(0), k);
          });
    // (ped, entity, three floats the community has not named): walks towards the entity until
    // it is in his sight; ends at once when it already is.
    t.add(0x8D7F2A63688C20A4, "TASK_SEEK_CLEAR_LOS_TO_ENTITY", 5, Result::Void,
          [&game](NativeCall& c) {
              Task k = task(TaskType::SeekClearLos);
              k.entity = c.i32(1);
              giveTask(game, c.i32(0), k);
          });
    // (ped, x, y, z, radius, minimal walk length, seconds between walks, flags)
    t.add(0xE054346CA3A0F315, "TASK_WANDER_IN_AREA", 8, Result::Void, [&game](NativeCall& c) {
        Task k = task(TaskType::Wander);
        k.point = c.vec(1);
        k.radius = c.f32(4);
        k.range = c.f32(5);
        k.pauseSeconds = c.f32(6);
        giveTask(game, c.i32(0), k);
    });
    // (ped, entity, duration ms or -1 until facing, three unused floats)
    t.add(0x5AD23D40115353AC, "TASK_TURN_PED_TO_FACE_ENTITY", 6, Result::Void,
          [&game](NativeCall& c) {
              Task k = task(TaskType::TurnToEntity);
              k.entity = c.i32(1);
              k.durationMs = c.i32(2);
              giveTask(game, c.i32(0), k);
          });
    // (ped, entity, duration, flags, priority, unused): looking runs beside the ped's task.
    t.add(0x69F4BE8C8CC4796C, "TASK_LOOK_AT_ENTITY", 6, Result::Void, [&game](NativeCall& c) {
        Task k = task(TaskType::LookAt);
        k.entity = c.i32(1);
        giveTask(game, c.i32(0), k);
    });
    t.add(0x0F804F1DB19B9689, "TASK_CLEAR_LOOK_AT", 1, Result::Void,
          [&game](NativeCall& c) { giveTask(game, c.i32(0), task(TaskType::ClearLookAt)); });
    t.add(0x5CD3CB88A7F8850D, "IS_PED_HEADTRACKING_PED", 2, Result::Int32, [&world](NativeCall& c) {
        const Entity* ped = world.entities.find(c.i32(0));
        c.retBool(ped && c.i32(1) != 0 && ped->lookAt == c.i32(1));
    });
    // (ped, crouch, two unnamed)
    t.add(0x17293C633C8AC019, "TASK_SET_CROUCH_MOVEMENT", 4, Result::Void, [&game](NativeCall& c) {
        Task k = task(TaskType::Crouch);
        k.value = c.i32(1);
        giveTask(game, c.i32(0), k);
    });
    // (ped, four unnamed): the weapon in hand goes away, or comes out when it is away.
    t.add(0xA21C51255B205245, "TASK_SWAP_WEAPON", 5, Result::Void,
          [&game](NativeCall& c) { giveTask(game, c.i32(0), task(TaskType::SwapWeapon)); });
    // (ped, entity, duration ms, two unused)
    t.add(0x9B53BB6E8943AF53, "TASK_AIM_GUN_AT_ENTITY", 5, Result::Void, [&game](NativeCall& c) {
        Task k = task(TaskType::AimAtEntity);
        k.entity = c.i32(1);
        k.durationMs = c.i32(2);
        giveTask(game, c.i32(0), k);
    });
    // (ped, entity, duration ms, firing pattern hash, unused)
    t.add(0x08DA95E8298AE772, "TASK_SHOOT_AT_ENTITY", 5, Result::Void, [&game](NativeCall& c) {
        Task k = task(TaskType::ShootAtEntity);
        k.entity = c.i32(1);
        k.durationMs = c.i32(2);
        k.value = c.i32(3);
        giveTask(game, c.i32(0), k);
    });
    // (ped, x, y, z, distance, duration ms, four flags): the nearest scenario point within the
    // distance, chosen when the task is given; with none near, the task ends at once.
    t.add(0x322BFDEA666E2B0E, "_TASK_USE_NEAREST_SCENARIO_TO_COORD", 10, Result::Void,
          [&game, &world](NativeCall& c) {
              const ScenarioPoint* point = world.scenarioPoints.nearest(c.vec(1), c.f32(4), 0);
              Task k = task(TaskType::UseScenario);
              k.value = point ? point->id : 0;
              k.durationMs = c.i32(5);
              giveTask(game, c.i32(0), k);
          });
    // (ped, motion name, amount 0..1, duration -1): "Stealth" makes the ped creep.
    t.add(0x437C08DB4FEBE2BD, "_SET_PED_BLACKBOARD_FLOAT", 4, Result::Void,
          [&world](NativeCall& c) {
              Entity* ped = world.entities.find(c.i32(0));
              const char* motion = c.str(1);
              if (ped && motion && gameHash(motion) == gameHash("Stealth")) ped->stealth = c.f32(2);
          });
}

}  // namespace sim
