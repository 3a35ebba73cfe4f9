#include "sim/world/navmesh.h"

#include <cmath>

#include "sim/game.h"
#include "sim/world/terrain.h"

namespace sim {

void Navmesh::request(float x, float y, float radius, uint64_t frame, Chaos& chaos) {
    for (auto it = regions_.begin(); it != regions_.end(); ++it) {
        if (it->x != x || it->y != y || it->radius != radius) continue;
        if (!it->load.dropped(frame)) return;
        regions_.erase(it);
        break;
    }
    if (regions_.size() == kMaxRegions) regions_.erase(regions_.begin());
    regions_.push_back({x, y, radius, Load::start(frame, kLoadFrames, chaos)});
}

bool Navmesh::loadedAt(Vec3 point, Vec3 player, uint64_t frame) const {
    if (!Terrain::onMap(point.x, point.y)) return false;
    if (std::hypot(point.x - player.x, point.y - player.y) <= kPlayerRadius) return true;
    for (const Region& r : regions_) {
        if (r.load.ready(frame) && std::hypot(point.x - r.x, point.y - r.y) <= r.radius)
            return true;
    }
    return false;
}

bool navmeshLoadedAt(const Game& game, Vec3 point) {
    const World& world = game.world();
    const Entity* player = world.entities.find(world.player.ped);
    return world.navmesh.loadedAt(point, player ? player->position : Vec3{}, game.frame());
}

}  // namespace sim
