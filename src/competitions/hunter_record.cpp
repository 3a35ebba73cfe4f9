#include "competitions/hunter_record.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>

#include "animals/animal_sizes.h"
#include "competitions/competition_info.h"
#include "core/decorators.h"
#include "core/game_hash.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/text.h"
#include "data/data_folder.h"
#include "data/dict_data_file.h"
#include "world/peds.h"

namespace bf {

namespace {

constexpr uint32_t kJohnModel = literalGameHash("player_three");
constexpr const char* kHeaviest = "heaviest.";
constexpr const char* kWeightSuffix = ".weight";
constexpr const char* kDateSuffix = ".date";

struct CountKey {
    const char* key;
    int32_t HunterTally::*field;
};
constexpr CountKey kCounts[] = {
    {"competitions.offered", &HunterTally::offered},
    {"competitions.taken", &HunterTally::taken},
    {"competitions.won", &HunterTally::won},
    {"competitions.lost", &HunterTally::lost},
    {"competitions.drawn", &HunterTally::drawn},
    {"competitions.aborted", &HunterTally::aborted},
    {"money.won_cents", &HunterTally::moneyWonCents},
    {"money.lost_cents", &HunterTally::moneyLostCents},
};

bool endsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Counts stop at the largest int32 rather than wrap round.
void addTo(int32_t& count, int32_t amount) {
    count = amount > INT32_MAX - count ? INT32_MAX : count + amount;
}

// The type of "heaviest.<type>.weight"; false for a key of another form.
bool heaviestType(const std::string& key, int32_t& type) {
    const std::string_view prefix(kHeaviest);
    if (key.rfind(prefix, 0) != 0 || !endsWith(key, kWeightSuffix)) return false;
    const std::string number = key.substr(
        prefix.size(), key.size() - prefix.size() - std::string_view(kWeightSuffix).size());
    if (number.empty()) return false;
    char* end = nullptr;
    const long long value = std::strtoll(number.c_str(), &end, 10);
    if (*end != '\0' || value < INT32_MIN || value > INT32_MAX) return false;
    type = static_cast<int32_t>(value);
    return true;
}

std::string typeKey(int32_t type, const char* suffix) {
    return kHeaviest + std::to_string(type) + suffix;
}

}  // namespace

std::string formatGameDate(int32_t year, int32_t month, int32_t day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(year),
                  static_cast<int>(month + 1), static_cast<int>(day));
    return text;
}

HunterTally readTally(const DictDataFile& file) {
    HunterTally tally;
    for (const CountKey& count : kCounts)
        tally.*count.field = file.getIntWithin(count.key, 0, INT32_MAX, "read as 0").value_or(0);
    for (const auto& [key, value] : file.entries()) {
        int32_t type = 0;
        if (!heaviestType(key, type)) continue;
        const std::optional<float> weight =
            file.getFloatWithin(key, 0.0f, 1e6f, "the animal is left out");
        if (!weight || *weight <= 0.0f) continue;
        tally.heaviest[type] = {*weight, file.getString(typeKey(type, kDateSuffix))};
    }
    return tally;
}

void writeTally(const HunterTally& tally, DictDataFile& file) {
    // Only what differs is set, so that an unchanged tally leaves the file clean.
    for (const CountKey& count : kCounts) {
        const std::string text = std::to_string(tally.*count.field);
        if (file.getString(count.key) != text) file.setValue(count.key, text);
    }
    for (const auto& [type, animal] : tally.heaviest) {
        const std::string weightKey = typeKey(type, kWeightSuffix);
        const std::string weight = formatFloatExactly(animal.weight);
        if (file.getString(weightKey) != weight) file.setValue(weightKey, weight);
        const std::string dateKey = typeKey(type, kDateSuffix);
        if (file.getString(dateKey) != animal.date) file.setValue(dateKey, animal.date);
    }
}

std::string HunterRecord::filePath(const std::string& character) {
    return dataFilePath("HuntersRecord." + character + ".dat");
}

HunterRecord::HunterRecord() = default;
HunterRecord::~HunterRecord() = default;

void HunterRecord::load() {
    for (auto [character, name] : {std::pair{&john_, "John"}, std::pair{&arthur_, "Arthur"}}) {
        character->file = std::make_unique<DictDataFile>(filePath(name));
        DictDataFile& file = *character->file;
        file.readBadValuesAsAbsent();
        // A record never saved starts empty, without a warning: nothing is wrong.
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(file.path(), error))) {
            logMessage("HunterRecord: " + file.path() + " not there yet; " + name +
                       "'s record starts empty");
            continue;
        }
        file.load();
        character->tally = readTally(file);
        if (file.damage().empty()) continue;
        logMessage("WARN: HunterRecord: " + file.path() + " is damaged (" + file.damage() + "); " +
                   name + "'s record starts afresh");
        character->tally = {};
        DictDataFile empty(file.path());
        file.replaceEntries(empty);
        writeTally(character->tally, file);
        // Now, so that the damaged file is kept as .bad before anything else touches it.
        if (!file.save(true)) logMessage("WARN: HunterRecord: the fresh record is written later");
    }
}

HunterRecord::Character& HunterRecord::active() {
    return natives::getEntityModel(runtime().playerPed) == kJohnModel ? john_ : arthur_;
}

const HunterRecord::Character& HunterRecord::active() const {
    return natives::getEntityModel(runtime().playerPed) == kJohnModel ? john_ : arthur_;
}

const HunterTally& HunterRecord::current() const {
    return active().tally;
}

void HunterRecord::changed() {
    Character& character = active();
    if (!character.file) return;  // not loaded: start-up did not get this far
    writeTally(character.tally, *character.file);
    (void)character.file->save(false);
}

void HunterRecord::competitionOffered() {
    addTo(active().tally.offered, 1);
    changed();
}

void HunterRecord::competitionTaken() {
    addTo(active().tally.taken, 1);
    changed();
}

void HunterRecord::competitionEnded(int32_t outcome, int32_t cents) {
    HunterTally& tally = active().tally;
    switch (outcome) {
        case kOutcomePlayerWon:
            addTo(tally.won, 1);
            break;
        case kOutcomePlayerLost:
            addTo(tally.lost, 1);
            break;
        case kOutcomeDraw:
            addTo(tally.drawn, 1);
            break;
        default:
            addTo(tally.aborted, 1);
            break;
    }
    if (cents > 0) addTo(tally.moneyWonCents, cents);
    if (cents < 0) addTo(tally.moneyLostCents, cents == INT32_MIN ? INT32_MAX : -cents);
    logMessage("HunterRecord: competition " +
               std::string(outcome == kOutcomePlayerWon    ? "won"
                           : outcome == kOutcomePlayerLost ? "lost"
                           : outcome == kOutcomeDraw       ? "drawn"
                                                           : "aborted") +
               "; record: " + std::to_string(tally.won) + " won, " + std::to_string(tally.lost) +
               " lost, " + std::to_string(tally.drawn) + " drawn, " +
               std::to_string(tally.aborted) + " aborted");
    changed();
}

void HunterRecord::onEvent(const EntityDamagedEvent& event) {
    const int32_t player = runtime().playerPed;
    // The player's hit, or a wound bleeding on (the game names no attacker then); nobody else's.
    if (event.attacker != player && event.attacker != 0) return;
    const int32_t animal = event.damaged;
    if (animal == player || !natives::isPedAnimal(animal) || !natives::isEntityDead(animal)) return;
    if (event.attacker == 0 && natives::getPedSourceOfDeath(animal) != player) return;
    const uint32_t model = natives::getEntityModel(animal);
    if (natives::isThisModelAHorse(model)) return;
    const uint32_t type = natives::getPedAnimalType(animal);
    if (type == 0 || isUntouchedAnimalType(type)) return;
    // The sizes feature's weight; an animal it left alone weighs what its size class does at 1.0.
    float weight = natives::decorGetFloat(animal, kDecorWeight);
    if (!(weight > 0.0f) || !std::isfinite(weight))
        weight = animalWeight(modelSizeClass(model), 1.0f);
    HunterTally& tally = active().tally;
    const auto key = static_cast<int32_t>(type);
    const auto it = tally.heaviest.find(key);
    if (it != tally.heaviest.end() && !(weight > it->second.weight)) return;
    tally.heaviest[key] = {weight, formatGameDate(natives::getClockYear(), natives::getClockMonth(),
                                                  natives::getClockDayOfMonth())};
    logMessage("HunterRecord: heaviest of type " + std::to_string(key) +
               " so far: " + formatFloatExactly(weight));
    changed();
}

bool HunterRecord::save() {
    bool saved = true;
    for (Character* character : {&john_, &arthur_}) {
        if (character->file && !character->file->save(false)) saved = false;
    }
    return saved;
}

}  // namespace bf
