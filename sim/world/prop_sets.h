// Prop sets: groups of props the game places together (a tent, a camp-fire). A set the game has
// loads a few frames after a script requests it (one it does not have never loads; under chaos a
// load may come late or fail, see chaos.h); a loaded
// set can be created at a point any number of times. A created set stays until the script
// deletes it; one the script releases is the game's, which removes it once the player is far.
#pragma once

#include <cstdint>
#include <map>
#include <set>

#include "sim/natives/native_table.h"
#include "sim/world/chaos.h"
#include "sim/world/random.h"
#include "sim/world/scenario_points.h"

namespace sim {

struct PropSet {
    int32_t handle = 0;
    uint32_t name = 0;  // hash of the set's name
    Vec3 position;
    float heading = 0.0f;
    bool released = false;
};

class PropSets {
  public:
    static constexpr uint64_t kLoadFrames = 4;

    PropSets();
    void request(uint32_t name, uint64_t frame, Chaos& chaos);
    bool loaded(uint32_t name, uint64_t frame) const;
    // 0 when the set is not loaded.
    int32_t create(uint32_t name, Vec3 position, float heading, uint64_t frame, Random& random);
    bool exists(int32_t handle) const { return sets_.count(handle) != 0; }
    void release(int32_t handle);
    bool remove(int32_t handle);
    const std::map<int32_t, PropSet>& all() const { return sets_; }
    std::map<int32_t, PropSet>& all() { return sets_; }

    // The sets the game ships.
    std::set<uint32_t> known;

  private:
    std::map<uint32_t, Load> requested_;
    std::map<int32_t, PropSet> sets_;
};

// The scenario points a created set carries (its seats, its fire, a place to work on a carcass),
// on the ground round it; removePropSetPoints takes them away with the set.
void addPropSetPoints(ScenarioPoints& points, const PropSet& set);
void removePropSetPoints(ScenarioPoints& points, int32_t set);

}  // namespace sim
