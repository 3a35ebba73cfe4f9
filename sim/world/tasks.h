// Tasks that peds carry out: single tasks and task sequences.
//
// A script opens a sequence, adds tasks to it (task natives called with ped 0 while it is open),
// closes it and has a ped perform it; the ped then works through the tasks in order, one world
// step per frame. A task given to a ped directly replaces whatever the ped was doing. A ped is
// busy while it has a task left; a sequence's progress is the index of the task being carried
// out, -1 once the sequence has ended (or when the ped runs no sequence).
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "sim/natives/native_table.h"
#include "sim/world/random.h"

namespace sim {

class Game;
struct Entity;

enum class TaskType {
    GoToCoord,      // follow the navigation mesh to a point (waits where there is none)
    SeekClearLos,   // walk towards an entity until it is in sight
    Wander,         // roam a circle for good: walk to a random point, pause, again
    TurnToEntity,   // turn until facing the entity
    LookAt,         // start looking at an entity (at once)
    ClearLookAt,    // stop looking (at once)
    Crouch,         // crouch (1) or stand up (0) (at once)
    SwapWeapon,     // holster the weapon in hand, or draw it when holstered (at once)
    AimAtEntity,    // face the entity and aim for `durationMs`
    ShootAtEntity,  // face the entity and fire at it for `durationMs`, until it is dead
    UseScenario,    // go to the scenario point `value` and use it for `durationMs`
    // Trading (world/trade_tasks.cpp): riding, the inspection, taking and carrying cargo.
    GoToEntityWithin,  // walk to within `range` of an entity, for at most `durationMs`
    HitchAnimal,       // ride to the post's scenario point `value`, hitch the horse, get off
    DismountAnimal,    // get off the horse
    LeadHorse,         // take the horse `entity` by the reins
    ScenarioInPlace,   // act out the scenario `value` (a hash) for `durationMs`
    TakeFromHorse,     // take the pelt or carcass `entity` off the horse that carries it
    PlaceOnMount,      // put the carried `entity` on the horse `value`
    MountAnimal,       // walk to the horse `entity` and get on
    WanderStandard,    // walk off and keep walking
};

struct Task {
    TaskType type = TaskType::GoToCoord;
    Vec3 point;
    int32_t entity = 0;
    float speed = 1.0f;   // move blend: 1 a walk
    float range = 0.0f;   // stop this near the goal
    float radius = 0.0f;  // Wander
    float pauseSeconds = 0.0f;
    int32_t durationMs = -1;
    int32_t value = 0;

    // Progress, kept by the world step.
    bool started = false;
    uint32_t startedAt = 0;
    bool moving = false;
    Vec3 goal;
    uint32_t resumeAt = 0;
    uint32_t nextShotAt = 0;
};

// What one ped is doing.
struct PedTasks {
    std::vector<Task> list;
    size_t current = 0;
    bool fromSequence = false;

    bool busy() const { return current < list.size(); }
    int32_t progress() const { return fromSequence && busy() ? static_cast<int32_t>(current) : -1; }
    void assign(std::vector<Task> tasks, bool sequence) {
        list = std::move(tasks);
        current = 0;
        fromSequence = sequence;
    }
    void clear() { assign({}, false); }
};

class TaskSequences {
  public:
    // How many sequences the game keeps at a time; a script that never clears its sequences
    // runs out.
    static constexpr size_t kPoolSize = 64;

    // 0 when the pool is full or another sequence is still open.
    int32_t open(Random& random);
    int32_t openHandle() const { return open_; }
    void add(const Task& task);
    bool close(int32_t handle);
    // The tasks of a closed sequence; null for an unknown or still open one.
    const std::vector<Task>* closed(int32_t handle) const;
    bool clear(int32_t handle);
    size_t count() const { return sequences_.size(); }

  private:
    struct Sequence {
        std::vector<Task> tasks;
        bool closed = false;
    };
    std::map<int32_t, Sequence> sequences_;
    int32_t open_ = 0;
};

// Gives the task to the ped, or adds it to the open sequence when `ped` is 0. Look-at, crouching
// and weapon-swap tasks given directly take effect at once, beside what the ped is doing; any
// other ends the scenario he was using.
void giveTask(Game& game, int32_t ped, const Task& task);

// One frame of every ped's tasks (part of the world step, after walking).
void stepTasks(Game& game);

// Heading in degrees (0 = +y, anticlockwise) that faces from `from` towards `to`.
float headingTowards(Vec3 from, Vec3 to);
float horizontalDistance(Vec3 a, Vec3 b);
// Walks the entity one frame of `ms` towards `goal` on the ground (turning to face its way);
// true once it is within `stopRange` (horizontally).
bool moveTowards(Entity& e, Vec3 goal, float metresPerSecond, float stopRange, uint32_t ms);

}  // namespace sim
