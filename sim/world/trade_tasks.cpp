#include "sim/world/trade_tasks.h"

#include <cmath>

#include "sim/game.h"

namespace sim {

namespace {

constexpr float kWanderSpeed = 1.2f;
// A rider is at a post or mount once this close.
constexpr float kReachDistance = 1.5f;
constexpr uint32_t kDismountMs = 1000;
constexpr uint32_t kTakeMs = 800;

float speedOf(const Entity& ped, float walking) {
    return ped.trade.mount != 0 ? kRideSpeed : walking;
}

bool timedOut(const Game& game, const Task& task) {
    return task.durationMs >= 0 &&
           static_cast<int32_t>(game.timer() - task.startedAt) >= task.durationMs;
}

}  // namespace

bool runTradeTask(Game& game, Entity& ped, Task& task) {
    World& world = game.world();
    const uint32_t ms = Game::kFrameMs;
    const uint32_t now = game.timer();
    Entity* target = task.entity ? world.entities.find(task.entity) : nullptr;
    switch (task.type) {
        case TaskType::GoToEntityWithin:
            if (!target || timedOut(game, task)) return true;
            return moveTowards(ped, target->position, speedOf(ped, task.speed), task.range, ms);
        case TaskType::HitchAnimal: {
            Entity* horse = world.entities.find(ped.trade.mount);
            const ScenarioPoint* point = world.scenarioPoints.find(task.value);
            if (!horse || !point || point->scenario != kModelHitchingPost) return true;
            if (!moveTowards(ped, point->position, kRideSpeed, kReachDistance, ms)) return false;
            followRidersAndCarriers(world);
            dismountHorse(world, ped);
            horse->trade.hitchedTo = static_cast<int32_t>(point->owner & 0xFFFFFFFFu);
            game.report("world", "horse " + std::to_string(horse->handle) + " hitched");
            return true;
        }
        case TaskType::DismountAnimal:
            if (ped.trade.mount == 0) return true;
            if (now - task.startedAt < kDismountMs) return false;
            dismountHorse(world, ped);
            return true;
        case TaskType::LeadHorse:
            if (target && !target->dead && distance3d(target->position, ped.position) <= 3.0f)
                leadHorse(world, ped, target->handle);
            return true;
        case TaskType::ScenarioInPlace:
            ped.trade.scenario = static_cast<uint32_t>(task.value);
            if (!timedOut(game, task)) return false;
            ped.trade.scenario = 0;
            return true;
        case TaskType::TakeFromHorse:
            if (!target || target->trade.onHorse == 0 || ped.trade.holding != 0) return true;
            if (!moveTowards(ped, target->position, 1.25f, 1.0f, ms)) return false;
            if (now - task.startedAt < kTakeMs) return false;
            takeOffHorse(world, *target);
            target->trade.heldBy = ped.handle;
            ped.trade.holding = target->handle;
            game.report("world", "ped " + std::to_string(ped.handle) + " takes entity " +
                                     std::to_string(target->handle) + " off the horse");
            return true;
        case TaskType::PlaceOnMount: {
            Entity* mount = world.entities.find(task.value);
            if (!target || !mount || ped.trade.holding != target->handle) return true;
            if (!moveTowards(ped, mount->position, 1.5f, kReachDistance, ms)) return false;
            ped.trade.holding = 0;
            target->trade.heldBy = 0;
            target->trade.onHorse = mount->handle;
            mount->trade.cargo.push_back(target->handle);
            return true;
        }
        case TaskType::MountAnimal:
            if (!target || target->dead) return true;
            for (const auto& [handle, other] : world.entities.all()) {
                if (other.trade.mount == target->handle) return true;
            }
            if (!moveTowards(ped, target->position, task.speed, kReachDistance, ms)) return false;
            mountHorse(world, ped, target->handle);
            return true;
        case TaskType::WanderStandard: {
            const Vec3 f = ped.forward();
            const float step = speedOf(ped, kWanderSpeed) * static_cast<float>(ms) / 1000.0f;
            ped.position = {ped.position.x + f.x * step, ped.position.y + f.y * step,
                            ped.position.z};
            return false;
        }
        default:
            return true;
    }
}

int32_t ItemSets::create() {
    int32_t id = 0;
    do {
        state_ = state_ * 1103515245u + 12345u;
        id = static_cast<int32_t>(((state_ >> 4) & 0xFFFFFu) | 0x100000u);
    } while (sets_.count(id));
    sets_[id];
    return id;
}

std::vector<int32_t>* ItemSets::find(int32_t handle) {
    auto it = sets_.find(handle);
    return it == sets_.end() ? nullptr : &it->second;
}

}  // namespace sim
