#include "sim/world/tasks.h"

#include <cmath>

#include "sim/game.h"
#include "sim/world/handles.h"
#include "sim/world/navmesh.h"
#include "sim/world/shooting.h"
#include "sim/world/terrain.h"
#include "sim/world/trade_tasks.h"

namespace sim {

namespace {

constexpr float kDegrees = 57.2957795f;
// Degrees a second a ped turns on the spot.
constexpr float kTurnRate = 240.0f;
// Facing within this many degrees counts as facing.
constexpr float kFacingTolerance = 10.0f;
// Metres from a point at which a walk to it has arrived.
constexpr float kArrived = 0.5f;
// From the first aim to the first shot, and between shots, by weapon.
constexpr uint32_t kFirstShotMs = 800;

float angleBetween(float a, float b) {
    float d = std::fmod(b - a + 540.0f, 360.0f) - 180.0f;
    return d;
}

// Turns the ped one frame towards `target`; true once it faces it.
bool turnTowards(Entity& ped, Vec3 target, uint32_t ms) {
    if (horizontalDistance(ped.position, target) < 0.01f) return true;
    const float wanted = headingTowards(ped.position, target);
    const float diff = angleBetween(ped.heading, wanted);
    const float step = kTurnRate * static_cast<float>(ms) / 1000.0f;
    if (std::fabs(diff) <= step) {
        ped.heading = wanted;
    } else {
        ped.heading = std::fmod(ped.heading + (diff > 0 ? step : -step) + 360.0f, 360.0f);
    }
    return std::fabs(angleBetween(ped.heading, wanted)) <= kFacingTolerance;
}

float walkSpeed(const Entity& ped, float moveBlend) {
    float mps = kWalkSpeed * moveBlend;
    // A ped moving in stealth or crouched creeps.
    if ((ped.stealth >= 0.5f || ped.crouching) && mps > 1.0f) mps = 1.0f;
    return mps;
}

// Takes out the weapon in hand when it is holstered, puts it away when it is out.
void swapWeapon(Entity& ped) {
    ped.weaponDrawn = !ped.weaponDrawn && ped.currentWeapon != kWeaponUnarmed;
}

uint32_t shotInterval(uint32_t weapon) {
    const WeaponInfo* info = findWeapon(weapon);
    switch (info ? info->kind : WeaponClass::None) {
        case WeaponClass::Pistol:
            return 700;
        case WeaponClass::Repeater:
            return 900;
        case WeaponClass::Bow:
            return 2500;
        default:
            return 1600;
    }
}

bool elapsed(const Game& game, const Task& task) {
    return task.durationMs >= 0 &&
           game.timer() - task.startedAt >= static_cast<uint32_t>(task.durationMs);
}

// One frame of the ped's current task; true when it has ended.
bool runTask(Game& game, Entity& ped, Task& task) {
    World& world = game.world();
    const uint32_t ms = Game::kFrameMs;
    const uint32_t now = game.timer();
    if (!task.started) {
        task.started = true;
        task.startedAt = now;
    }
    Entity* other = task.entity ? world.entities.find(task.entity) : nullptr;
    switch (task.type) {
        case TaskType::LookAt:
            ped.lookAt = task.entity;
            return true;
        case TaskType::ClearLookAt:
            ped.lookAt = 0;
            return true;
        case TaskType::Crouch:
            ped.crouching = task.value != 0;
            return true;
        case TaskType::SwapWeapon:
            swapWeapon(ped);
            return true;
        case TaskType::GoToCoord: {
            const bool meshHere = navmeshLoadedAt(game, ped.position);
            const bool meshThere = navmeshLoadedAt(game, task.point);
            // Without a navigation mesh the ped cannot find a way and waits.
            if (!meshHere && !meshThere) return false;
            return moveTowards(ped, task.point, walkSpeed(ped, task.speed),
                               std::max(task.range, kArrived), ms);
        }
        case TaskType::SeekClearLos:
            if (!other || canSee(ped, *other)) return true;
            moveTowards(ped, other->position, walkSpeed(ped, 1.0f), kArrived, ms);
            return false;
        case TaskType::TurnToEntity:
            if (!other) return true;
            return turnTowards(ped, other->position, ms) ||
                   (task.durationMs >= 0 && elapsed(game, task));
        case TaskType::AimAtEntity:
            if (!other) return true;
            ped.weaponDrawn = true;
            turnTowards(ped, other->position, ms);
            return elapsed(game, task);
        case TaskType::ShootAtEntity: {
            if (!other || other->dead) return true;
            ped.weaponDrawn = true;
            const bool facing = turnTowards(ped, other->position, ms);
            if (task.nextShotAt == 0) task.nextShotAt = now + kFirstShotMs;
            if (facing && static_cast<int32_t>(now - task.nextShotAt) >= 0) {
                fireShot(game, ped, *other);
                task.nextShotAt = now + shotInterval(ped.currentWeapon);
            }
            return other->dead || elapsed(game, task);
        }
        case TaskType::UseScenario: {
            const ScenarioPoint* point = world.scenarioPoints.find(task.value);
            if (!point) {
                ped.trade.scenario = 0;
                ped.trade.scenarioPoint = 0;
                return true;
            }
            ped.trade.scenarioPoint = point->id;
            if (ped.trade.scenario == 0) {
                if (!moveTowards(ped, point->position, walkSpeed(ped, 1.0f), kArrived, ms))
                    return false;
                ped.trade.scenario = point->scenario;
                task.resumeAt = now;  // the time counts from here
            }
            if (task.durationMs < 0 ||
                now - task.resumeAt < static_cast<uint32_t>(task.durationMs)) {
                return false;
            }
            ped.trade.scenario = 0;
            ped.trade.scenarioPoint = 0;
            return true;
        }
        case TaskType::Wander: {
            if (!task.moving) {
                if (static_cast<int32_t>(now - task.resumeAt) < 0) return false;
                Random& random = game.random();
                // A point in the circle, at least the minimal length away.
                for (int tries = 0; tries < 4; ++tries) {
                    const float a = random.floatInRange(0.0f, 6.2831853f);
                    const float r = task.radius * std::sqrt(random.floatInRange(0.0f, 1.0f));
                    task.goal = {task.point.x + r * std::cos(a), task.point.y + r * std::sin(a),
                                 task.point.z};
                    if (horizontalDistance(task.goal, ped.position) >= task.range) break;
                }
                task.moving = true;
            }
            if (moveTowards(ped, task.goal, walkSpeed(ped, 1.0f), kArrived, ms)) {
                task.moving = false;
                task.resumeAt = now + static_cast<uint32_t>(task.pauseSeconds * 1000.0f);
            }
            return false;  // roams until given something else
        }
        default:
            return runTradeTask(game, ped, task);
    }
    return true;
}

}  // namespace

float horizontalDistance(Vec3 a, Vec3 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

float headingTowards(Vec3 from, Vec3 to) {
    // Heading 0 faces +y and grows anticlockwise: forward = (-sin h, cos h).
    const float h = std::atan2(-(to.x - from.x), to.y - from.y) * kDegrees;
    return h < 0.0f ? h + 360.0f : h;
}

bool moveTowards(Entity& e, Vec3 goal, float metresPerSecond, float stopRange, uint32_t ms) {
    const float left = horizontalDistance(e.position, goal);
    if (left <= stopRange) return true;
    e.heading = headingTowards(e.position, goal);
    const float step =
        std::min(metresPerSecond * static_cast<float>(ms) / 1000.0f, left - stopRange);
    const float t = step / left;
    e.position.x += (goal.x - e.position.x) * t;
    e.position.y += (goal.y - e.position.y) * t;
    if (const auto ground = Terrain::heightAt(e.position.x, e.position.y)) {
        e.position.z = *ground;
    } else {
        e.position.z += (goal.z - e.position.z) * t;
    }
    return left - step <= stopRange + 1e-3f;
}

int32_t TaskSequences::open(Random& random) {
    if (open_ != 0 || sequences_.size() >= kPoolSize) return 0;
    open_ = drawHandle(random, [this](int32_t h) { return sequences_.count(h) != 0; });
    sequences_[open_] = {};
    return open_;
}

void TaskSequences::add(const Task& task) {
    if (open_ != 0) sequences_[open_].tasks.push_back(task);
}

bool TaskSequences::close(int32_t handle) {
    if (handle == 0 || handle != open_) return false;
    sequences_[handle].closed = true;
    open_ = 0;
    return true;
}

const std::vector<Task>* TaskSequences::closed(int32_t handle) const {
    auto it = sequences_.find(handle);
    return it != sequences_.end() && it->second.closed ? &it->second.tasks : nullptr;
}

bool TaskSequences::clear(int32_t handle) {
    if (handle == open_) open_ = 0;
    return sequences_.erase(handle) != 0;
}

void giveTask(Game& game, int32_t ped, const Task& task) {
    World& world = game.world();
    if (ped == 0) {
        world.sequences.add(task);
        return;
    }
    Entity* e = world.entities.find(ped);
    if (!e || e->dead) return;
    switch (task.type) {
        case TaskType::LookAt:
            e->lookAt = task.entity;
            return;
        case TaskType::ClearLookAt:
            e->lookAt = 0;
            return;
        case TaskType::Crouch:
            e->crouching = task.value != 0;
            return;
        case TaskType::SwapWeapon:
            swapWeapon(*e);
            return;
        default:
            e->trade.scenario = 0;
            e->trade.scenarioPoint = 0;
            e->tasks.assign({task}, false);
    }
}

void stepTasks(Game& game) {
    World& world = game.world();
    for (auto& [handle, ped] : world.entities.all()) {
        if (!ped.tasks.busy()) continue;
        if (ped.dead) {
            ped.tasks.clear();
            continue;
        }
        // The player walking where the scenario sends him is in the player's hands.
        if (isRagdoll(game, ped) || ped.airborne ||
            (handle == world.player.ped && world.player.walking)) {
            continue;
        }
        // Tasks that end at once hand over to the next in the same frame.
        for (int chained = 0; chained < 8 && ped.tasks.busy(); ++chained) {
            if (!runTask(game, ped, ped.tasks.list[ped.tasks.current])) break;
            ++ped.tasks.current;
            if (ped.dead) break;
        }
    }
}

}  // namespace sim
