#include "animals/population_update.h"

#include <cstdint>

#include "animals/animal_population.h"
#include "core/context.h"
#include "core/log.h"
#include "core/natives.h"
#include "data/dict_data_file.h"

namespace bf {

namespace {

constexpr const char* kLastDevelopment = "last_development_timestamp";

void saveWhenDue(AnimalPopulationManager& population) {
    const int64_t periodMs =
        static_cast<int64_t>(context().generalMeta->getInt("save_freq_sec", -999)) * 1000;
    if (natives::getScriptTimer() <= periodMs) return;
    population.saveAll();
    natives::setScriptTimer(0);
}

void developWhenDue(AnimalPopulationManager& population) {
    DictDataFile& character = population.characterFile();
    const int32_t last = character.getInt(kLastDevelopment, -999);
    const int32_t now = natives::getClockSeconds();
    if (last < 1) {
        // A new character file: its development clock starts now.
        character.setInt(kLastDevelopment, now);
        return;
    }
    if (static_cast<int64_t>(now) - last < kDevelopmentPeriod) return;
    logMessage("AnimalPopulationManager: performing animal population development");
    population.develop(
        context().generalMeta->getFloat("animal_population.development_rate", -999.0f), now);
}

}  // namespace

void updatePopulation(AnimalPopulationManager& population) {
    saveWhenDue(population);
    developWhenDue(population);
}

}  // namespace bf
