// The tuning values of GeneralMeta.dat in one table: each key with its default and the range its
// use can bear. The features read their tuning through it, and brackenfold-check holds a
// player's GeneralMeta.dat against the same table, so a key added here is one both know.
//
// A value that is absent or empty reads as the default; for the keys the shipped file holds
// (required) that is logged once, since a feature then runs on a value nobody chose. A value that
// is not finite, too large to read or outside the range reads as the default too, with one WARN
// naming the file, the key and the value. A text that does not begin with a number still throws
// (the frame guard then stops the script with "Something wrong happened").
//
// The camp is built within camp_prepare_distance of the start point and taken down again beyond
// kCampReleaseDistance: the range keeps the first 50 m below the second, so that a player standing
// between the two cannot make the camp come and go.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace bf {

class DictDataFile;

inline constexpr float kCampReleaseDistance = 450.0f;
inline constexpr float kCampDistanceMargin = 50.0f;

enum class Tuning : size_t {
    DepletionRate,
    DevelopmentRate,
    SaveFreqSec,
    CriticalShotDamagePerSec,
    CampPrepareDistance,
    SpecificAnimalChance,
    BaseScore,
    BonusXlargeAnimal,
    BonusHeadshot,
    BonusWrithe,
    BonusBait,
    BaitReach,
    BuyerScoreThreshold,
    TradeMaxDist,
    BasePrice,
    Count,
};

struct TuningKey {
    const char* key;
    bool isFloat;
    // The shipped file holds it: its absence is a fault of the file, logged once.
    bool required;
    // NaN for trade.base_price, which has none: without it unlisted items have no price.
    float defaultValue;
    float minimum;
    float maximum;
    // What the value means and the range, for the checker's fix lines.
    const char* why;
};

const std::array<TuningKey, static_cast<size_t>(Tuning::Count)>& tuningKeys();
const TuningKey& tuningKey(Tuning tuning);

// The value as the table reads it (see above); the first bad read of a key is logged, later ones
// are not.
float tuningFloat(const DictDataFile& generalMeta, Tuning tuning);
int tuningInt(const DictDataFile& generalMeta, Tuning tuning);
// Nothing when absent or unusable (logged as above), for a caller that has no default.
std::optional<float> tuningValue(const DictDataFile& generalMeta, Tuning tuning);

}  // namespace bf
