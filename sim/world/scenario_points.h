// Scenario points: a spot where a ped acts out a named scenario. Scripts create some; others come
// with the game's things (the seats and fire of a camp's prop sets, a hitching post).
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
    // The thing it belongs to (0: a script's own).
    uint64_t owner = 0;
};

// Owner keys of the game's points: an entity (a hitching post) or a prop set.
inline uint64_t entityOwner(int32_t handle) {
    return (1ull << 32) | static_cast<uint32_t>(handle);
}
inline uint64_t propSetOwner(int32_t handle) {
    return (2ull << 32) | static_cast<uint32_t>(handle);
}

class ScenarioPoints {
  public:
    explicit ScenarioPoints(Random& random);
    // 0 for a scenario the game does not know or a point off the map.
    int32_t create(Vec3 position, float radius, uint32_t scenario);
    bool remove(int32_t id);
    // The points scripts created.
    const std::map<int32_t, ScenarioPoint>& all() const { return points_; }
    // A point of the game's own thing `owner`; its id is made from the owner, not drawn, so that
    // placing the world's things moves no seed. Gone with removeOwnedBy.
    int32_t addOwned(uint64_t owner, Vec3 position, uint32_t scenario);
    void removeOwnedBy(uint64_t owner);
    const ScenarioPoint* find(int32_t id) const;
    // The nearest point of `scenario` (0: of any) within `distance` of `at`; null when none.
    const ScenarioPoint* nearest(Vec3 at, float distance, uint32_t scenario) const;
    // Scenario hashes the game knows.
    std::set<uint32_t> knownScenarios;

  private:
    std::map<int32_t, ScenarioPoint> points_;
    std::map<int32_t, ScenarioPoint> owned_;
    HandlePool handles_;
};

}  // namespace sim
