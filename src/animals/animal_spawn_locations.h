// The places where animals of given models live, read once at start-up from AnimalSpawns.dat.
// Hunting competitions draw one of them at random within a distance band round the player.
//
// Per model M the file holds M.count, the items M.0 .. M.(count-1) as "x,y,r" (r is the place's
// radius, at least 50, and the height the district is asked at), M.rarity_level and M.texture
// (the name of the animal's picture).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/vector3.h"

namespace bf {

class DictDataFile;

struct AnimalSpawnLocation {
    std::string model;  // empty in the empty location
    uint32_t district = 0;
    Vector3 position;  // height 0
    float radius = 50.0f;
    int32_t rarityLevel = 0;
    std::string texture;
};

class AnimalSpawnLocations {
  public:
    static constexpr float kMinimumRadius = 50.0f;
    // The models read, in load order.
    static const std::vector<const char*>& models();

    // Fills the list from AnimalSpawns.dat; does nothing once it is filled.
    void load(DictDataFile& animalSpawns);
    // A random location farther than `minimum` and at most `maximum` from `position` in the
    // horizontal plane, of that rarity level (any level when negative); the empty location
    // when none fits.
    AnimalSpawnLocation choose(Vector3 position, float maximum, float minimum,
                               int32_t rarityFilter) const;
    static bool valid(const AnimalSpawnLocation& location) { return !location.model.empty(); }

    const std::vector<AnimalSpawnLocation>& all() const { return locations_; }
    // A reload of AnimalSpawns.dat: forgets the places and reads them again.
    void reload(DictDataFile& file) {
        locations_.clear();
        load(file);
    }

  private:
    std::vector<AnimalSpawnLocation> locations_;
};

}  // namespace bf
