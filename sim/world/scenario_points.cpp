#include "sim/world/scenario_points.h"

#include "sim/world/hash.h"
#include "sim/world/terrain.h"

namespace sim {

ScenarioPoints::ScenarioPoints() {
    for (const char* name :
         {"PROP_HUMAN_SEAT_CHAIR_CIGAR", "PROP_HUMAN_SEAT_CHAIR", "PROP_HUMAN_SEAT_BENCH",
          "WORLD_HUMAN_STAND_FISHING", "WORLD_HUMAN_SMOKE", "WORLD_HUMAN_LEAN_WALL_LEFT",
          "WORLD_HUMAN_CROUCH_INSPECT", "WORLD_HUMAN_FIRE_STAND"}) {
        knownScenarios.insert(gameHash(name));
    }
}

int32_t ScenarioPoints::create(Vec3 position, float radius, uint32_t scenario) {
    if (!knownScenarios.count(scenario) || !Terrain::onMap(position.x, position.y)) return 0;
    next_ += 0x17;
    points_[next_] = {next_, position, radius, scenario};
    return next_;
}

bool ScenarioPoints::remove(int32_t id) {
    return points_.erase(id) > 0;
}

}  // namespace sim
