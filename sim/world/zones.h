// The game's map zones over real map coordinates: towns (zone type 1) as circles round their
// centres, districts (zone type 10) as the nearest of a set of district seeds on the mainland,
// and the island of Guarma far off in the southern sea; the land is the ground's (terrain.h).
// Outside it there is no zone (0).
// A district may have several seeds, so that its shape follows the map more closely.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/natives/native_table.h"

namespace sim {

struct TownZone {
    uint32_t id;
    std::string name;
    float x, y;
    float radius;
};

struct DistrictSeed {
    uint32_t id;
    std::string name;
    float x, y;
};

class Zones {
  public:
    static constexpr int32_t kTown = 1;
    static constexpr int32_t kDistrict = 10;

    Zones();
    // The zone id of that type at a position; 0 where the game knows none.
    uint32_t at(Vec3 position, int32_t type) const;
    const std::vector<TownZone>& towns() const { return towns_; }
    const std::vector<DistrictSeed>& districts() const { return districts_; }
    bool onMainland(float x, float y) const;

  private:
    std::vector<TownZone> towns_;
    std::vector<DistrictSeed> districts_;
};

}  // namespace sim
