// Ped tasks and task sequences, and item sets.
//
// A script opens a sequence, adds tasks for ped 0, closes it and gives it to a ped, who performs a
// copy of it task by task (one task ends per frame at most); the sequence's slot is freed when the
// script clears it. The game keeps kMaxSequences slots: a script that never clears its sequences
// runs out of them, and opening then gives id 0. A task given to a real ped replaces whatever
// that ped was doing and is not a sequence (its progress reads -1).
//
// Item sets are sets of entities a script asks the game to fill (the cargo of a horse); the game
// keeps them until the script destroys them.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "sim/natives/native_table.h"

namespace sim {

class Game;

enum class TaskKind {
    StandDown,
    HitchAnimal,
    DismountAnimal,
    LeadHorse,
    LookAtEntity,
    ClearLookAt,
    WalkTowardEntity,
    GoToEntity,
    TurnToFaceEntity,
    ScenarioInPlace,
    TakeFromHorse,
    PlaceOnMount,
    MountAnimal,
    TravelToCoord,
    WanderStandard,
};

struct Task {
    explicit Task(TaskKind k = TaskKind::StandDown) : kind(k) {}

    TaskKind kind;
    int32_t entity = 0;
    int32_t other = 0;
    Vec3 point;
    float stopDistance = 0.0f;
    float speed = 0.0f;
    // Milliseconds; negative for no limit.
    int32_t limitMs = -1;
    uint32_t scenario = 0;
};

// What one ped is doing.
struct PedTasks {
    std::vector<Task> queue;
    size_t index = 0;
    bool sequence = false;
    bool started = false;
    uint32_t startedAt = 0;
    int32_t lookAt = 0;
    // The scenario the ped acts out now (hash; 0 none).
    uint32_t scenario = 0;

    bool busy() const { return index < queue.size(); }
    void clear() {
        queue.clear();
        index = 0;
        sequence = false;
        started = false;
        lookAt = 0;
        scenario = 0;
    }
};

class TaskSequences {
  public:
    static constexpr size_t kMaxSequences = 64;

    explicit TaskSequences(uint32_t seed = 1) : state_(seed * 2654435761u + 0x5EC) {}
    // 0 when every slot is taken.
    int32_t open();
    int32_t openId() const { return open_; }
    void add(const Task& task) { sequences_[open_].tasks.push_back(task); }
    // False unless `id` is the open sequence.
    bool close(int32_t id);
    // The tasks of a closed sequence; null for an unknown or still open one.
    const std::vector<Task>* closed(int32_t id) const;
    void clear(int32_t id);
    size_t live() const { return sequences_.size(); }

  private:
    struct Sequence {
        std::vector<Task> tasks;
        bool closed = false;
    };
    std::map<int32_t, Sequence> sequences_;
    int32_t open_ = 0;
    uint32_t state_;
};

class ItemSets {
  public:
    explicit ItemSets(uint32_t seed = 1) : state_(seed * 40503u + 0x17E) {}
    int32_t create();
    std::vector<int32_t>* find(int32_t handle);
    void destroy(int32_t handle) { sets_.erase(handle); }
    size_t live() const { return sets_.size(); }

  private:
    std::map<int32_t, std::vector<int32_t>> sets_;
    uint32_t state_;
};

// The game's side of trading that is not an entity's: sequences, item sets and the player's
// situation.
struct TradeWorld {
    TaskSequences sequences;
    ItemSets itemsets;
    // A mission runs; the player is dead or under arrest.
    bool missionFlag = false;
    bool playerBeingArrested = false;
};

// Every ped's current task, one frame of `ms`.
void stepTasks(Game& game, uint32_t ms);

}  // namespace sim
