#include "sim/world/behaviour.h"

#include <cmath>

#include "sim/game.h"
#include "sim/world/shooting.h"

namespace sim {

namespace {

bool running(const Game& game, const Entity& e) {
    const uint32_t now = game.timer();
    return e.fleeUntil != 0 && static_cast<int32_t>(now - e.fleeStartAt) >= 0 &&
           static_cast<int32_t>(e.fleeUntil - now) > 0;
}

void flee(Entity& e, float speed) {
    float dx = e.position.x - e.fleeFrom.x, dy = e.position.y - e.fleeFrom.y;
    const float len = std::hypot(dx, dy);
    if (len < 0.01f) {
        dx = 0.0f;
        dy = 1.0f;
    } else {
        dx /= len;
        dy /= len;
    }
    const Vec3 away{e.position.x + dx * 10.0f, e.position.y + dy * 10.0f, e.position.z};
    moveTowards(e, away, speed, 0.0f, Game::kFrameMs);
}

void wander(Game& game, Entity& e) {
    const uint32_t now = game.timer();
    if (!e.wandering) {
        if (e.wanderAt == 0) e.wanderAt = now + kFirstWanderMs;
        if (static_cast<int32_t>(now - e.wanderAt) < 0) return;
        Random& random = game.random();
        const float a = random.floatInRange(0.0f, 6.2831853f);
        const float r = kWanderRadius * std::sqrt(random.floatInRange(0.0f, 1.0f));
        e.wanderGoal = {e.home.x + r * std::cos(a), e.home.y + r * std::sin(a), e.home.z};
        e.wandering = true;
    }
    if (moveTowards(e, e.wanderGoal, kWanderSpeed, 0.3f, Game::kFrameMs)) {
        e.wandering = false;
        e.wanderAt = now + static_cast<uint32_t>(game.random().intInRange(kIdleMinMs, kIdleMaxMs));
    }
}

}  // namespace

void stepBehaviour(Game& game) {
    World& world = game.world();
    const uint32_t wild = gameHash("REL_WILD_ANIMAL");
    Entity* player = world.entities.find(world.player.ped);
    for (auto& [handle, e] : world.entities.all()) {
        if (e.kind != EntityKind::Ped || handle == world.player.ped) continue;
        if (e.dead) {
            if (e.diedAt == 0) e.diedAt = game.timer() | 1u;
            continue;
        }
        if (isRagdoll(game, e) || e.lassoedBy != 0 || e.airborne || e.condition.writhing) continue;
        const ModelInfo* model = world.models.find(e.model);
        const bool human = model && model->human;
        if (running(game, e)) {
            flee(e, human ? 4.0f : kFleeSpeed);
            continue;
        }
        if (human) {
            const Entity* foe = world.entities.find(e.combatTarget);
            if (e.combatTarget != 0 && (!foe || foe->dead)) e.combatTarget = 0;
            if (player && e.combatTarget == 0 && !player->dead &&
                world.relationships.level(e.relationshipGroup, player->relationshipGroup) ==
                    Relationships::kHate &&
                distance3d(e.position, player->position) <= kHateRange) {
                e.combatTarget = player->handle;
            }
            continue;
        }
        if (e.tasks.busy() || e.relationshipGroup != wild || (model && model->horse)) continue;
        wander(game, e);
    }
}

}  // namespace sim
