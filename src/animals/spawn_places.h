// Reading AnimalSpawns.dat into places, without the game (the districts are asked for later, by
// AnimalSpawnLocations::load), so that the rules can be tried on any text.
//
// Per model, in load order, its list items become places: the position (x, y, height 0), the
// radius (the third value, at least 50), the model's rarity level and texture. An item that is
// not a place of the map is skipped with one WARN naming the file, the key and the value: a
// coordinate that is not finite or too large to read, x or y farther than kMaxCoordinate from the
// origin (the map spans some 10 km), or a radius above kMaxRadius. A rarity level too large to
// read counts as absent (0), with a WARN.
#pragma once

#include <vector>

#include "animals/animal_spawn_locations.h"

namespace bf {

inline constexpr float kMaxSpawnCoordinate = 100000.0f;
inline constexpr float kMaxSpawnRadius = 1000.0f;

struct SpawnPlace {
    AnimalSpawnLocation location;  // district 0
    float height;                  // the third value as written: the district is asked there
};

std::vector<SpawnPlace> readSpawnPlaces(DictDataFile& animalSpawns);

}  // namespace bf
