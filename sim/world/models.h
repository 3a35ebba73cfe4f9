// The game's model catalogue: the ped models it ships and what each is. A model outside the
// catalogue never loads, as a misspelt model name never would in the game.
#pragma once

#include <cstdint>
#include <map>
#include <set>
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
    // Animals: the word of its pelt and carcass items ("Buck"), its size class, whether it is a
    // horse, a bird, a predator, a wild animal.
    std::string display;
    // The game's name of the animal type ("deer"); empty for people.
    std::string typeName;
    // The game's size class: 0 small, 1 medium, 2 medium-large, 3 large, 4 extra large.
    int32_t sizeClass = 0;
    // The species' animal tuning flags that are set, by index (kTuning... below).
    std::set<int32_t> tuningBools;
    bool horse = false;
    bool bird = false;
    bool predator = false;
    // Domestic animals (horses, dogs, cats, cattle) are not wild; people are neither.
    bool wild = false;

    bool isAnimal() const { return !human; }
    // Item texts as the price list names them, by quality 0 (poor) to 2 (perfect).
    std::string peltItem(int32_t quality) const;
    std::string carcassItem(int32_t quality) const;
};

// Animal tuning flag indices as the game numbers them.
inline constexpr int32_t kTuningHerbivore = 28;
inline constexpr int32_t kTuningLivestock = 30;
inline constexpr int32_t kTuningIsBird = 58;
inline constexpr int32_t kTuningIsFish = 64;

struct Entity;
// Gives a new ped what its model makes it (type, group, ped type).
void applyModel(Entity& ped, const ModelInfo& model);

class Models {
  public:
    Models();
    const ModelInfo* find(uint32_t hash) const;
    const ModelInfo* find(const std::string& name) const { return find(gameHash(name)); }
    void add(ModelInfo info);
    // The name of an animal type hash; null for a type no model has.
    const char* typeName(uint32_t type) const;
    const std::map<uint32_t, ModelInfo>& all() const { return models_; }

  private:
    std::map<uint32_t, ModelInfo> models_;
};

}  // namespace sim
