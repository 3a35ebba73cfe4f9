#include "animals/population_update.h"

#include <cstdint>

#include "animals/animal_population.h"
#include "core/log.h"
#include "core/natives.h"
#include "data/dict_data_file.h"

namespace bf {

namespace {
constexpr const char* kLastDevelopment = "last_development_timestamp";
}  // namespace

void PopulationUpdater::saveWhenDue() {
    const int64_t periodMs =
        static_cast<int64_t>(generalMeta_.getInt("save_freq_sec", -999)) * 1000;
    if (natives::getScriptTimer() <= periodMs) return;
    population_.saveAll();
    natives::setScriptTimer(0);
}

void PopulationUpdater::developWhenDue() {
    DictDataFile& character = population_.characterFile();
    const int32_t last = character.getInt(kLastDevelopment, -999);
    const int32_t now = natives::getClockSeconds();
    if (last < 1) {
        // A new character file: its development clock starts now.
        character.setInt(kLastDevelopment, now);
        return;
    }
    if (static_cast<int64_t>(now) - last < kDevelopmentPeriod) return;
    logMessage("AnimalPopulationManager: performing animal population development");
    population_.develop(generalMeta_.getFloat("animal_population.development_rate", -999.0f), now);
}

void PopulationUpdater::update() {
    saveWhenDue();
    developWhenDue();
}

}  // namespace bf
