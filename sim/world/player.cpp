#include "sim/world/player.h"

#include "sim/world/entities.h"

namespace sim {

void stepPlayerWalk(Player& player, Entities& entities, uint32_t ms) {
    Entity* ped = player.walking ? entities.find(player.ped) : nullptr;
    if (!ped) return;
    const Vec3 from = ped->position;
    const float left = distance3d(from, player.walkTarget);
    const float step = kWalkSpeed * static_cast<float>(ms) / 1000.0f;
    if (left <= step) {
        ped->position = player.walkTarget;
        player.walking = false;
        return;
    }
    const float t = step / left;
    ped->position = {from.x + (player.walkTarget.x - from.x) * t,
                     from.y + (player.walkTarget.y - from.y) * t,
                     from.z + (player.walkTarget.z - from.z) * t};
}

}  // namespace sim
