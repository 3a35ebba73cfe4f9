// Fuzz target: AnimalSpawns.dat from memory, read into places as start-up reads it (without the
// game). Only the documented conversion errors may escape, and every place that is read is one of
// the map: finite, within the map's bounds, its radius from 50 to 1000 m.
#include <cmath>
#include <cstdlib>

#include "animals/spawn_places.h"
#include "data/dict_data_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bf::DictDataFile file("Brackenfold/AnimalSpawns.dat");
    if (!file.loadText(fuzz::input(data, size))) return 0;
    fuzz::tolerate([&] {
        for (const bf::SpawnPlace& place : bf::readSpawnPlaces(file)) {
            const bf::AnimalSpawnLocation& at = place.location;
            if (!(std::fabs(at.position.x) <= bf::kMaxSpawnCoordinate) ||
                !(std::fabs(at.position.y) <= bf::kMaxSpawnCoordinate) ||
                !(at.radius >= bf::AnimalSpawnLocations::kMinimumRadius) ||
                !(at.radius <= bf::kMaxSpawnRadius) || at.model.empty())
                std::abort();
        }
    });
    return 0;
}
