#include "data/tuning.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "core/log.h"
#include "core/text.h"
#include "data/dict_data_file.h"

namespace bf {

namespace {
constexpr float kNoDefault = std::numeric_limits<float>::quiet_NaN();
}  // namespace

const std::array<TuningKey, static_cast<size_t>(Tuning::Count)>& tuningKeys() {
    // In the order of the enum. The defaults of the keys the shipped file holds are its values.
    static const std::array<TuningKey, static_cast<size_t>(Tuning::Count)> kKeys = {{
        {"animal_population.depletion_rate", true, true, 0.85f, 0.01f, 1.0f,
         "each kill leaves this part of the population, above 0 and at most 1"},
        {"animal_population.development_rate", true, true, 1.1f, 1.0f, 100.0f,
         "populations grow back by this factor a game day, 1 to 100"},
        {"save_freq_sec", false, true, 120.0f, 1.0f, 1e9f,
         "seconds between population saves, 1 or more"},
        {"bleeding.critical_shot_damage_per_sec", false, true, 4.0f, 0.0f, 10000.0f,
         "health points a second, 0 to 10000"},
        {"hunting_competitions.camp_prepare_distance", true, false, 300.0f, 0.0f,
         kCampReleaseDistance - kCampDistanceMargin,
         "metres from the start point at which the camp is built, 0 to 400 (it is taken down "
         "beyond 450)"},
        {"hunting_competitions.specific_animal_chance", true, false, 0.0f, 0.0f, 1.0f,
         "the chance that a competition about an animal with a legendary hunts the legendary, "
         "0 to 1"},
        {"hunting_competitions.base_score", false, false, 5.0f, 0.0f, 1000.0f, "points, 0 to 1000"},
        {"hunting_competitions.bonus.xlarge_animal", false, false, 1.0f, 0.0f, 1000.0f,
         "points, 0 to 1000"},
        {"hunting_competitions.bonus.headshot", false, false, 1.0f, 0.0f, 1000.0f,
         "points, 0 to 1000"},
        {"hunting_competitions.bonus.writhe", false, false, 1.0f, 0.0f, 1000.0f,
         "points, 0 to 1000"},
        {"hunting_competitions.bonus.bait", false, false, 1.0f, 0.0f, 1000.0f, "points, 0 to 1000"},
        {"hunting_competitions.bait_reach", true, false, 70.0f, 0.0f, 1000.0f,
         "metres round bait, 0 to 1000"},
        {"trade.buyer_score_threshold", true, true, 0.6f, 0.0f, 100.0f,
         "the cargo score a buyer asks for, 0 to 100"},
        {"trade.init.max_dist", true, true, 3.0f, 0.1f, 100.0f,
         "metres from the person at which the trade prompt works, 0.1 to 100"},
        {"trade.base_price", true, true, kNoDefault, 0.0f, 10000.0f,
         "dollars a score point, 0 to 10000; without one, buyers then decline every item the price "
         "list does not price"},
    }};
    return kKeys;
}

const TuningKey& tuningKey(Tuning tuning) {
    return tuningKeys()[static_cast<size_t>(tuning)];
}

namespace {

// What a reader does instead of a value it cannot take, made once: values are read every frame.
const std::string& instead(const TuningKey& key) {
    static const auto kTexts = [] {
        std::array<std::string, static_cast<size_t>(Tuning::Count)> texts;
        for (size_t i = 0; i < texts.size(); ++i) {
            const float value = tuningKeys()[i].defaultValue;
            texts[i] = std::isnan(value) ? std::string("read as absent")
                                         : formatGeneral(value) + " is used";
        }
        return texts;
    }();
    return kTexts[static_cast<size_t>(&key - tuningKeys().data())];
}

std::optional<float> read(const DictDataFile& meta, const TuningKey& key) {
    if (meta.getString(key.key).empty()) {
        if (key.required && meta.firstReport(key.key, {}))
            logMessage(std::string("WARN: GeneralMeta.dat lacks ") + key.key + "; " + instead(key));
        return std::nullopt;
    }
    if (key.isFloat) return meta.getFloatWithin(key.key, key.minimum, key.maximum, instead(key));
    const auto number = meta.getIntWithin(key.key, static_cast<int>(key.minimum),
                                          static_cast<int>(key.maximum), instead(key));
    if (!number) return std::nullopt;
    return static_cast<float>(*number);
}

}  // namespace

std::optional<float> tuningValue(const DictDataFile& generalMeta, Tuning tuning) {
    return read(generalMeta, tuningKey(tuning));
}

float tuningFloat(const DictDataFile& generalMeta, Tuning tuning) {
    const TuningKey& key = tuningKey(tuning);
    return read(generalMeta, key).value_or(key.defaultValue);
}

int tuningInt(const DictDataFile& generalMeta, Tuning tuning) {
    const TuningKey& key = tuningKey(tuning);
    const std::optional<float> value = read(generalMeta, key);
    return static_cast<int>(value.value_or(key.defaultValue));
}

}  // namespace bf
