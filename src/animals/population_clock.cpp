#include "animals/population_clock.h"

#include <cstdint>

#include "animals/animal_population.h"
#include "core/frame_tally.h"
#include "core/log.h"
#include "core/natives.h"
#include "data/dict_data_file.h"
#include "data/tuning.h"

namespace bf {

namespace {
constexpr const char* kLastDevelopment = "last_development_timestamp";
}  // namespace

void PopulationClock::saveWhenDue() {
    if (!saving_) {
        // The table keeps it at 1 s or more (120 when missing or unusable, logged once): a save
        // every frame would fill the log from a failing disk and write a working one sixty times
        // a second.
        const int32_t seconds = tuningInt(generalMeta_, Tuning::SaveFreqSec);
        const int64_t periodMs = static_cast<int64_t>(seconds) * 1000;
        if (natives::getScriptTimer() <= periodMs) return;
    }
    // One file a frame until every changed file is written; the period starts again after it.
    const ScopedActivity mark(Activity::PopulationSave);
    saving_ = !population_.saveStep();
    if (!saving_) natives::setScriptTimer(0);
}

void PopulationClock::developWhenDue() {
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
    population_.develop(tuningFloat(generalMeta_, Tuning::DevelopmentRate), now);
}

void PopulationClock::onFrame() {
    const ScopedActivity mark(Activity::Population);
    saveWhenDue();
    developWhenDue();
}

}  // namespace bf
