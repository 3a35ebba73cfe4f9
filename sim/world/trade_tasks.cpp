#include "sim/world/trade_tasks.h"

#include <cmath>

#include "sim/game.h"

namespace sim {

namespace {

constexpr float kRideSpeed = 5.0f;
constexpr float kWanderSpeed = 1.2f;
// A rider is at a post or mount once this close.
constexpr float kReachDistance = 1.5f;
constexpr uint32_t kDismountMs = 1000;
constexpr uint32_t kTakeMs = 800;

uint32_t nextHandle(uint32_t& state) {
    state = state * 1103515245u + 12345u;
    return ((state >> 4) & 0xFFFFFu) | 0x100000u;
}

void face(Entity& ped, Vec3 target) {
    const float dx = target.x - ped.position.x, dy = target.y - ped.position.y;
    if (dx == 0.0f && dy == 0.0f) return;
    // Heading 0 faces +y and grows anticlockwise.
    ped.heading = std::atan2(-dx, dy) * 180.0f / 3.14159265f;
    if (ped.heading < 0.0f) ped.heading += 360.0f;
}

// One frame of moving towards `target`; true once within `stop`.
bool moveToward(Entity& ped, Vec3 target, float stop, float speed, uint32_t ms) {
    const float d = distance3d(ped.position, target);
    if (d <= stop) return true;
    face(ped, target);
    const float step = speed * static_cast<float>(ms) / 1000.0f;
    const float k = step >= d - stop ? (d - stop) / d : step / d;
    ped.position = {ped.position.x + (target.x - ped.position.x) * k,
                    ped.position.y + (target.y - ped.position.y) * k,
                    ped.position.z + (target.z - ped.position.z) * k};
    return distance3d(ped.position, target) <= stop + 1e-3f;
}

float travelSpeed(const Entity& ped, float walking) {
    return ped.trade.mount != 0 ? kRideSpeed : walking;
}

bool timedOut(const PedTasks& tasks, int32_t limitMs, uint32_t now) {
    return limitMs >= 0 && static_cast<int32_t>(now - tasks.startedAt) >= limitMs;
}

// One frame of the ped's current task; true when it has ended.
bool runTask(Game& game, Entity& ped, const Task& task, uint32_t ms) {
    World& world = game.world();
    PedTasks& tasks = ped.trade.tasks;
    const uint32_t now = game.timer();
    Entity* target = world.entities.find(task.entity);
    switch (task.kind) {
        case TaskKind::StandDown:
            ped.currentWeapon = kWeaponUnarmed;
            return true;
        case TaskKind::HitchAnimal: {
            Entity* horse = world.entities.find(ped.trade.mount);
            if (!horse || !target) return true;
            if (!moveToward(ped, target->position, kReachDistance, kRideSpeed, ms)) return false;
            followRidersAndCarriers(world);
            dismountHorse(world, ped);
            horse->trade.hitchedTo = target->handle;
            game.report("world", "horse " + std::to_string(horse->handle) + " hitched");
            return true;
        }
        case TaskKind::DismountAnimal:
            if (ped.trade.mount == 0) return true;
            if (now - tasks.startedAt < kDismountMs) return false;
            dismountHorse(world, ped);
            return true;
        case TaskKind::LeadHorse:
            if (target && !target->dead && distance3d(target->position, ped.position) <= 3.0f)
                leadHorse(world, ped, target->handle);
            return true;
        case TaskKind::LookAtEntity:
            tasks.lookAt = task.entity;
            return true;
        case TaskKind::ClearLookAt:
            tasks.lookAt = 0;
            return true;
        case TaskKind::WalkTowardEntity:
        case TaskKind::GoToEntity:
            if (!target || timedOut(tasks, task.limitMs, now)) return true;
            return moveToward(ped, target->position, task.stopDistance,
                              travelSpeed(ped, task.speed), ms);
        case TaskKind::TurnToFaceEntity:
            if (target) face(ped, target->position);
            return task.limitMs < 0 || timedOut(tasks, task.limitMs, now);
        case TaskKind::ScenarioInPlace:
            tasks.scenario = task.scenario;
            if (!timedOut(tasks, task.limitMs, now)) return false;
            tasks.scenario = 0;
            return true;
        case TaskKind::TakeFromHorse:
            if (!target || target->trade.onHorse == 0 || ped.trade.holding != 0) return true;
            if (!moveToward(ped, target->position, 1.0f, 1.25f, ms)) return false;
            if (now - tasks.startedAt < kTakeMs) return false;
            takeOffHorse(world, *target);
            target->trade.heldBy = ped.handle;
            ped.trade.holding = target->handle;
            game.report("world", "ped " + std::to_string(ped.handle) + " takes entity " +
                                     std::to_string(target->handle) + " off the horse");
            return true;
        case TaskKind::PlaceOnMount: {
            Entity* mount = world.entities.find(task.other);
            if (!target || !mount || ped.trade.holding != target->handle) return true;
            if (!moveToward(ped, mount->position, kReachDistance, 1.5f, ms)) return false;
            ped.trade.holding = 0;
            target->trade.heldBy = 0;
            target->trade.onHorse = mount->handle;
            mount->trade.cargo.push_back(target->handle);
            return true;
        }
        case TaskKind::MountAnimal:
            if (!target || target->dead) return true;
            for (const auto& [handle, other] : world.entities.all()) {
                if (other.trade.mount == target->handle) return true;
            }
            if (!moveToward(ped, target->position, kReachDistance, task.speed, ms)) return false;
            mountHorse(world, ped, target->handle);
            return true;
        case TaskKind::TravelToCoord:
            if (timedOut(tasks, task.limitMs, now)) return true;
            return moveToward(ped, task.point, task.stopDistance, travelSpeed(ped, 1.5f), ms);
        case TaskKind::WanderStandard: {
            const Vec3 f = ped.forward();
            const float step = travelSpeed(ped, kWanderSpeed) * static_cast<float>(ms) / 1000.0f;
            ped.position = {ped.position.x + f.x * step, ped.position.y + f.y * step,
                            ped.position.z};
            return false;
        }
    }
    return true;
}

}  // namespace

int32_t TaskSequences::open() {
    if (sequences_.size() >= kMaxSequences) return 0;
    int32_t id = 0;
    do {
        id = static_cast<int32_t>(nextHandle(state_));
    } while (sequences_.count(id));
    sequences_[id];
    open_ = id;
    return id;
}

bool TaskSequences::close(int32_t id) {
    if (id == 0 || id != open_) return false;
    sequences_[id].closed = true;
    open_ = 0;
    return true;
}

const std::vector<Task>* TaskSequences::closed(int32_t id) const {
    auto it = sequences_.find(id);
    return it != sequences_.end() && it->second.closed ? &it->second.tasks : nullptr;
}

void TaskSequences::clear(int32_t id) {
    sequences_.erase(id);
    if (open_ == id) open_ = 0;
}

int32_t ItemSets::create() {
    int32_t id = 0;
    do {
        id = static_cast<int32_t>(nextHandle(state_));
    } while (sets_.count(id));
    sets_[id];
    return id;
}

std::vector<int32_t>* ItemSets::find(int32_t handle) {
    auto it = sets_.find(handle);
    return it == sets_.end() ? nullptr : &it->second;
}

void stepTasks(Game& game, uint32_t ms) {
    for (auto& [handle, ped] : game.world().entities.all()) {
        PedTasks& tasks = ped.trade.tasks;
        if (!tasks.busy()) continue;
        if (ped.dead) {
            tasks.clear();
            continue;
        }
        if (!tasks.started) {
            tasks.started = true;
            tasks.startedAt = game.timer();
        }
        if (!runTask(game, ped, tasks.queue[tasks.index], ms)) continue;
        tasks.started = false;
        if (++tasks.index < tasks.queue.size()) continue;
        // Done: what the ped looks at stays until a task or a clear says otherwise.
        const int32_t lookAt = tasks.lookAt;
        tasks.clear();
        tasks.lookAt = lookAt;
    }
}

}  // namespace sim
