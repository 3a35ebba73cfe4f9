#include "sim/world/scenario_points.h"

#include <cmath>

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

int32_t ScenarioPoints::addOwned(uint64_t owner, Vec3 position, uint32_t scenario) {
    uint64_t mix = (owner + owned_.size() + 1) * 0x9E3779B97F4A7C15ull;
    for (;;) {
        mix ^= mix >> 29;
        const auto id = static_cast<int32_t>(0x40000000u | (mix & 0x3FFFFFFFu));
        if (!handles_.inUse(id) && !owned_.count(id)) {
            handles_.reserve(id);
            owned_[id] = {id, position, 0.0f, scenario, owner};
            return id;
        }
        mix = mix * 0x2545F4914F6CDD1Dull + 1;
    }
}

void ScenarioPoints::removeOwnedBy(uint64_t owner) {
    for (auto it = owned_.begin(); it != owned_.end();) {
        if (it->second.owner == owner) {
            handles_.release(it->first);
            it = owned_.erase(it);
        } else {
            ++it;
        }
    }
}

const ScenarioPoint* ScenarioPoints::find(int32_t id) const {
    for (const auto* store : {&points_, &owned_}) {
        auto it = store->find(id);
        if (it != store->end()) return &it->second;
    }
    return nullptr;
}

const ScenarioPoint* ScenarioPoints::nearest(Vec3 at, float distance, uint32_t scenario) const {
    const ScenarioPoint* best = nullptr;
    float bestDistance = distance;
    for (const auto* store : {&points_, &owned_}) {
        for (const auto& [id, p] : *store) {
            if (scenario != 0 && p.scenario != scenario) continue;
            const float d = std::sqrt((p.position.x - at.x) * (p.position.x - at.x) +
                                      (p.position.y - at.y) * (p.position.y - at.y) +
                                      (p.position.z - at.z) * (p.position.z - at.z));
            if (d <= bestDistance) {
                bestDistance = d;
                best = &p;
            }
        }
    }
    return best;
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
