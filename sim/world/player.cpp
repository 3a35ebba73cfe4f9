#include "sim/world/player.h"

#include <cmath>

#include "sim/world/entities.h"

namespace sim {

void stepPlayerWalk(Player& player, Entities& entities, uint32_t ms) {
    Entity* ped = player.walking ? entities.find(player.ped) : nullptr;
    if (!ped) return;
    if (player.walkToEntity != 0) {
        const Entity* goal = entities.find(player.walkToEntity);
        if (!goal) {
            player.walking = false;
            player.walkToEntity = 0;
            return;
        }
        const float dx = goal->position.x - ped->position.x,
                    dy = goal->position.y - ped->position.y;
        const float left = std::sqrt(dx * dx + dy * dy);
        if (left <= player.walkStopRange) {
            player.walking = false;
            player.walkToEntity = 0;
            return;
        }
        // Aim for the point short of it on the straight line, at its height.
        const float t = (left - player.walkStopRange) / left;
        player.walkTarget = {ped->position.x + dx * t, ped->position.y + dy * t, goal->position.z};
    }
    const Vec3 from = ped->position;
    const float left = distance3d(from, player.walkTarget);
    const float speed = ped->trade.mount != 0 ? kRideSpeed : kWalkSpeed;
    const float step = speed * static_cast<float>(ms) / 1000.0f;
    if (left <= step) {
        ped->position = player.walkTarget;
        if (player.walkToEntity == 0) player.walking = false;
        return;
    }
    const float t = step / left;
    ped->position = {from.x + (player.walkTarget.x - from.x) * t,
                     from.y + (player.walkTarget.y - from.y) * t,
                     from.z + (player.walkTarget.z - from.z) * t};
}

}  // namespace sim
