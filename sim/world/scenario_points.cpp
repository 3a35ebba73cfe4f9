#include "sim/world/scenario_points.h"

#include "sim/world/hash.h"
#include "sim/world/terrain.h"

namespace sim {

ScenarioPoints::ScenarioPoints(Random& random) : handles_(random, 0x101, 0x7FFFFFFF) {
    for (const char* name :
         {"PROP_HUMAN_SEAT_CHAIR_CIGAR", "PROP_HUMAN_SEAT_CHAIR", "PROP_HUMAN_SEAT_BENCH",
          "WORLD_HUMAN_STAND_FISHING", "WORLD_HUMAN_SMOKE", "WORLD_HUMAN_LEAN_WALL_LEFT",
          "WORLD_HUMAN_CROUCH_INSPECT", "WORLD_HUMAN_FIRE_STAND"}) {
        knownScenarios.insert(gameHash(name));
    }
}

int32_t ScenarioPoints::create(Vec3 position, float radius, uint32_t scenario) {
    if (!knownScenarios.count(scenario) || !Terrain::onMap(position.x, position.y)) return 0;
    const int32_t id = handles_.take();
    points_[id] = {id, position, radius, scenario};
    return id;
}

bool ScenarioPoints::remove(int32_t id) {
    if (points_.erase(id) == 0) return false;
    handles_.giveBack(id);
    return true;
}

}  // namespace sim
