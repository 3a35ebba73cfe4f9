// The navigation mesh: loaded round the player, and round a point a script asks for a few
// frames after the request. Peds find their way (follow the mesh) only where it is loaded; off
// the map there is none. Under chaos (chaos.h) a region may load late or fail; a failed region is
// dropped when it would have loaded, so that asking again starts anew.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/natives/native_table.h"
#include "sim/world/chaos.h"

namespace sim {

class Game;

class Navmesh {
  public:
    static constexpr float kPlayerRadius = 150.0f;
    static constexpr uint64_t kLoadFrames = 5;
    // Regions kept at a time; an older one is dropped for a new one.
    static constexpr size_t kMaxRegions = 4;

    // Asking again for a region already asked for does not restart its loading.
    void request(float x, float y, float radius, uint64_t frame, Chaos& chaos);
    bool loadedAt(Vec3 point, Vec3 player, uint64_t frame) const;

  private:
    struct Region {
        float x = 0.0f;
        float y = 0.0f;
        float radius = 0.0f;
        Load load;
    };
    std::vector<Region> regions_;
};

bool navmeshLoadedAt(const Game& game, Vec3 point);

}  // namespace sim
