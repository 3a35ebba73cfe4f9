// Scenario points scripts create: a spot where a ped acts out a named scenario.
#pragma once

#include <cstdint>
#include <map>
#include <set>

#include "sim/natives/native_table.h"
#include "sim/world/handles.h"

namespace sim {

struct ScenarioPoint {
    int32_t id = 0;
    Vec3 position;
    float radius = 0.0f;
    uint32_t scenario = 0;
};

class ScenarioPoints {
  public:
    explicit ScenarioPoints(Random& random);
    // 0 for a scenario the game does not know or a point off the map.
    int32_t create(Vec3 position, float radius, uint32_t scenario);
    bool remove(int32_t id);
    const std::map<int32_t, ScenarioPoint>& all() const { return points_; }
    // Scenario hashes the game knows.
    std::set<uint32_t> knownScenarios;

  private:
    std::map<int32_t, ScenarioPoint> points_;
    HandlePool handles_;
};

}  // namespace sim
