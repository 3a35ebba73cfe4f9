// The game's model catalogue: the ped models it ships and what each is. A model outside the
// catalogue never loads, as a misspelt model name never would in the game.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "sim/world/hash.h"

namespace sim {

struct ModelInfo {
    std::string name;
    bool human = false;
    // The animal type hash (0 for people); also the population's type key.
    uint32_t animalType = 0;
    uint32_t relationshipGroup = 0;
    int32_t pedType = 0;
};

struct Entity;
// Gives a new ped what its model makes it (type, group, ped type).
void applyModel(Entity& ped, const ModelInfo& model);

class Models {
  public:
    Models();
    const ModelInfo* find(uint32_t hash) const;
    void add(ModelInfo info);

  private:
    std::map<uint32_t, ModelInfo> models_;
};

}  // namespace sim
