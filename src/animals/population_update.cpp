#include "animals/population_update.h"

#include <cstdint>

#include "animals/animal_population.h"
#include "core/frame_tally.h"
#include "core/log.h"
#include "core/natives.h"
#include "data/dict_data_file.h"

namespace bf {

namespace {
constexpr const char* kLastDevelopment = "last_development_timestamp";
// The shipped period, used when the file has none that makes sense.
constexpr int32_t kFallbackSaveSeconds = 120;
}  // namespace

void PopulationUpdater::saveWhenDue() {
    if (!saving_) {
        int32_t seconds = generalMeta_.getInt("save_freq_sec", -999);
        if (seconds <= 0) {
            // Missing or not above 0 would mean a save every frame: a disk that fails would then
            // fill the log, and one that works would be written sixty times a second.
            if (!warnedSavePeriod_) {
                logMessage(
                    "WARN: GeneralMeta.dat: save_freq_sec is missing or not above 0; saving "
                    "the population every " +
                    std::to_string(kFallbackSaveSeconds) + " s");
                warnedSavePeriod_ = true;
            }
            seconds = kFallbackSaveSeconds;
        }
        const int64_t periodMs = static_cast<int64_t>(seconds) * 1000;
        if (natives::getScriptTimer() <= periodMs) return;
    }
    // One file a frame until every changed file is written; the period starts again after it.
    const ScopedActivity mark(Activity::PopulationSave);
    saving_ = !population_.saveStep();
    if (!saving_) natives::setScriptTimer(0);
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
    const ScopedActivity mark(Activity::Population);
    saveWhenDue();
    developWhenDue();
}

}  // namespace bf
