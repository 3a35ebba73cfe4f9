#include "animals/spawn_places.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <string_view>

#include "data/dict_data_file.h"
#include "data/text_keys.h"

namespace bf {

namespace {

const char* unusablePlace(Vector3 item) {
    if (std::fabs(item.x) > kMaxSpawnCoordinate || std::fabs(item.y) > kMaxSpawnCoordinate)
        return "not a place of the map";
    if (item.z > kMaxSpawnRadius) return "a radius above 1000 m";
    return nullptr;
}

}  // namespace

std::vector<SpawnPlace> readSpawnPlaces(DictDataFile& file) {
    std::vector<SpawnPlace> places;
    // "<model>.rarity_level" and "<model>.texture" made in one text for every model.
    std::string key;
    key.reserve(32);
    for (const char* model : kCompetitionAnimalModels) {
        const std::string_view prefix = model;
        const std::vector<Vector3>& items = file.getVector3List(prefix, unusablePlace);
        key.assign(prefix).append(".rarity_level");
        const int32_t rarity = file.getIntWithin(key, INT_MIN, INT_MAX, "0 is used").value_or(0);
        key.assign(prefix).append(".texture");
        const std::string& texture = file.getString(key);
        for (const Vector3& item : items) {
            AnimalSpawnLocation location;
            location.model = prefix;
            location.position = {item.x, item.y, 0.0f};
            location.radius = std::max(item.z, AnimalSpawnLocations::kMinimumRadius);
            location.rarityLevel = rarity;
            location.texture = texture;
            places.push_back({std::move(location), item.z});
        }
    }
    return places;
}

}  // namespace bf
