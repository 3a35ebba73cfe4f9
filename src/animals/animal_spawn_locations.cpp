#include "animals/animal_spawn_locations.h"

#include "animals/spawn_places.h"

#include <algorithm>
#include <string>

#include "core/log.h"
#include "core/natives.h"
#include "core/zones.h"
#include "data/dict_data_file.h"
#include "data/text_keys.h"

namespace bf {

const std::vector<const char*>& AnimalSpawnLocations::models() {
    static const std::vector<const char*> kModels(kCompetitionAnimalModels.begin(),
                                                  kCompetitionAnimalModels.end());
    return kModels;
}

void AnimalSpawnLocations::load(DictDataFile& file) {
    if (!locations_.empty()) return;
    for (SpawnPlace& place : readSpawnPlaces(file)) {
        AnimalSpawnLocation& location = place.location;
        location.district = natives::getMapZoneAtCoords(
            {location.position.x, location.position.y, place.height}, kZoneDistrict);
        locations_.push_back(std::move(location));
    }
    logMessage("AnimalSpawnLocations: spawn locations loaded: " +
               std::to_string(locations_.size()));
}

AnimalSpawnLocation AnimalSpawnLocations::choose(Vector3 position, float maximum, float minimum,
                                                 int32_t rarityFilter) const {
    std::vector<size_t> candidates;
    for (size_t i = 0; i < locations_.size(); ++i) {
        const AnimalSpawnLocation& location = locations_[i];
        // Arithmetic, not the game's distance: a choice goes through every place (some seven
        // hundred), and a creation may choose thirty times in one frame.
        const float d = planarDistance(location.position, position);
        if (d > maximum || d <= minimum) continue;
        if (rarityFilter >= 0 && location.rarityLevel != rarityFilter) continue;
        candidates.push_back(i);
    }
    if (candidates.empty()) {
        AnimalSpawnLocation empty;
        empty.district = natives::getMapZoneAtCoords({}, kZoneDistrict);
        return empty;
    }
    const int32_t count = static_cast<int32_t>(candidates.size());
    // A draw outside [0, count) would index past the list: keep it on the last candidate.
    const int32_t k = std::clamp(natives::getRandomIntInRange(0, count), 0, count - 1);
    return locations_[candidates[static_cast<size_t>(k)]];
}

}  // namespace bf
