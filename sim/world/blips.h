// Blips on the map: on an entity, at a point, or a radius round a point. The game removes an
// entity's blip when the entity leaves the world.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "sim/natives/native_table.h"
#include "sim/world/handles.h"

namespace sim {

struct Blip {
    int32_t handle = 0;
    uint32_t style = 0;
    int32_t entity = 0;
    Vec3 position;
    float radius = 0.0f;
    uint32_t sprite = 0;
    std::vector<uint32_t> modifiers;
    std::string name;
};

class Blips {
  public:
    explicit Blips(Random& random);
    // 0 for a style the game does not know.
    int32_t add(uint32_t style, int32_t entity, Vec3 position, float radius);
    Blip* find(int32_t handle);
    bool remove(int32_t handle);
    const std::map<int32_t, Blip>& all() const { return blips_; }
    std::map<int32_t, Blip>& all() { return blips_; }
    std::set<uint32_t> knownStyles;

  private:
    std::map<int32_t, Blip> blips_;
    HandlePool handles_;
};

}  // namespace sim
