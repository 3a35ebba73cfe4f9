#include "animals/animal_population.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "animals/map_area_tracker.h"
#include "core/frame_tally.h"
#include "core/game_hash.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/text.h"
#include "data/data_folder.h"
#include "data/dict_data_file.h"
#include "world/game_ops.h"

namespace bf {

namespace {

constexpr uint32_t kJohnModel = literalGameHash("player_three");
constexpr const char* kDevelopmentFactor = "development_factor";
constexpr const char* kFolder = "AnimalsPopulation/";

}  // namespace

std::string signedId(uint32_t id) {
    return std::to_string(static_cast<int32_t>(id));
}

AnimalPopulationManager::AnimalPopulationManager()
    : AnimalPopulationManager(
          [](const std::string& path) { return std::make_unique<DictDataFile>(path); }) {}

AnimalPopulationManager::AnimalPopulationManager(FileFactory makeFile)
    : makeFile_(std::move(makeFile)) {}

AnimalPopulationManager::~AnimalPopulationManager() = default;

void AnimalPopulationManager::removeLeftoverWrites() {
    // What writes cut short by a crash left beside the files; the files themselves are whole.
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder = dataFilePath(std::string(kFolder));
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() < 8 || name.compare(name.size() - 8, 8, ".dat.tmp") != 0) continue;
        std::error_code removed;
        if (fs::remove(it->path(), removed))
            logMessage("WARN: " + it->path().string() +
                       " was left by a write that did not finish; removed");
    }
}

bool AnimalPopulationManager::loadCharacterFiles() {
    removeLeftoverWrites();
    john_ = makeFile_(dataFilePath(std::string(kFolder) + "PopulationStatus.John.dat"));
    arthur_ = makeFile_(dataFilePath(std::string(kFolder) + "PopulationStatus.Arthur.dat"));
    john_->readBadValuesAsAbsent();
    arthur_->readBadValuesAsAbsent();
    const bool johnLoaded = john_->load();
    const bool arthurLoaded = arthur_->load();
    return johnLoaded && arthurLoaded;
}

DictDataFile& AnimalPopulationManager::characterFile() {
    const bool john = natives::getEntityModel(runtime().playerPed) == kJohnModel;
    return john ? *john_ : *arthur_;
}

DictDataFile& AnimalPopulationManager::districtFile(uint32_t district) {
    const int32_t key = static_cast<int32_t>(district);
    auto it = districts_.find(key);
    if (it == districts_.end()) {
        auto file = makeFile_(dataFilePath(kFolder + signedId(district) + ".dat"));
        file->readBadValuesAsAbsent();
        file->load();  // a district never saved starts empty
        it = districts_.emplace(key, std::move(file)).first;
    }
    return *it->second;
}

float AnimalPopulationManager::populationFactor(uint32_t district, uint32_t type) {
    if (district == 0 || type == 0) return -1.0f;
    DictDataFile& file = districtFile(district);
    const std::string key = signedId(type);
    const float stored = file.getFloat(key, -999.0f);
    if (stored > 0.0f) return stored;
    file.setFloat(key, 1.0f);
    return 1.0f;
}

bool AnimalPopulationManager::setPopulationFactor(uint32_t district, uint32_t type, float value) {
    // Written so that NaN is refused too; below the smallest normal float a value would not read
    // back from the file.
    if (district == 0 || type == 0 || !(value >= kMinPopulationFactor && value <= 1.0f)) {
        return false;
    }
    districtFile(district).setFloat(signedId(type), value);
    return true;
}

float AnimalPopulationManager::developmentFactor() {
    DictDataFile& file = characterFile();
    const float factor = file.getFloat(kDevelopmentFactor, -999.0f);
    if (factor >= 1.0f) return std::min(factor, kMaxDevelopmentFactor);
    file.setInt(kDevelopmentFactor, 1);
    return 1.0f;
}

float AnimalPopulationManager::effectiveFactor(uint32_t district, uint32_t type) {
    const float population = populationFactor(district, type);
    return std::min(1.0f, population * developmentFactor());
}

float AnimalPopulationManager::effectiveFactorOfPed(int32_t ped) {
    const uint32_t district = natives::getMapZoneAtCoords(entityPosition(ped), kZoneDistrict);
    return effectiveFactor(district, natives::getPedAnimalType(ped));
}

float AnimalPopulationManager::currentEffectiveFactor(uint32_t district, uint32_t type) {
    float population = -1.0f;
    if (district != 0 && type != 0) {
        const float stored = districtFile(district).getFloat(signedId(type), -999.0f);
        population = stored > 0.0f ? stored : 1.0f;
    }
    const float development = characterFile().getFloat(kDevelopmentFactor, -999.0f);
    return std::min(
        1.0f,
        population * (development >= 1.0f ? std::min(development, kMaxDevelopmentFactor) : 1.0f));
}

float AnimalPopulationManager::deplete(uint32_t district, uint32_t type, float rate) {
    // Written so that a NaN rate does nothing too.
    if (district == 0 || type == 0 || !(rate > 0.0f)) return currentEffectiveFactor(district, type);
    const float current = effectiveFactor(district, type);
    const float next = std::min(1.0f, rate * current);
    const char* name = natives::getLabelText(type);
    const std::string what = "animal type: " + std::string(name ? name : "") + " " +
                             signedId(type) + ". district id: " + signedId(district);
    // The log says what was stored: a value the store refuses is reported as such.
    if (!setPopulationFactor(district, type, next / developmentFactor())) {
        logMessage("WARN: AnimalPopulationManager: kill not recorded, factor " +
                   formatFactor(next) + " cannot be stored. " + what);
        return current;
    }
    logMessage("AnimalPopulationManager: updating animal population factor. " + what +
               ". updated factor: " + formatFactor(next));
    return next;
}

void AnimalPopulationManager::develop(float rate, int32_t now) {
    // Kept finite: an endless game would otherwise overflow to inf, after which no kill counts.
    float factor = std::min(rate * developmentFactor(), kMaxDevelopmentFactor);
    if (std::isnan(factor)) factor = 1.0f;  // a rate that is not a number changes nothing
    logMessage("AnimalPopulationManager: updating population development factor to: " +
               formatFactor(factor));
    DictDataFile& file = characterFile();
    file.setFloat(kDevelopmentFactor, factor);
    file.setInt("last_development_timestamp", now);
}

bool AnimalPopulationManager::saveStep() {
    auto it = saving_ ? districts_.upper_bound(savedUpTo_) : districts_.begin();
    saving_ = true;
    for (; it != districts_.end(); ++it) {
        if (!it->second->isDirty()) continue;
        roundFailures_ += it->second->save(false) ? 0 : 1;
        savedUpTo_ = it->first;
        return false;
    }
    roundFailures_ += john_->save(false) ? 0 : 1;
    roundFailures_ += arthur_->save(false) ? 0 : 1;
    endSaveRound();
    return true;
}

void AnimalPopulationManager::saveAll() {
    for (auto& [district, file] : districts_)
        roundFailures_ += file->save(false) ? 0 : 1;
    if (john_) roundFailures_ += john_->save(false) ? 0 : 1;
    if (arthur_) roundFailures_ += arthur_->save(false) ? 0 : 1;
    endSaveRound();
}

void AnimalPopulationManager::endSaveRound() {
    saving_ = false;
    // Each file logs its own first failure; the round says what became of the population once
    // each time that changes, so that a disk that stays full does not fill the log.
    if (roundFailures_ != lastRoundFailures_) {
        logMessage(roundFailures_ == 0
                       ? "AnimalPopulationManager: every population file is saved again"
                       : "WARN: AnimalPopulationManager: " + std::to_string(roundFailures_) +
                             " population file(s) could not be saved; they stay in memory and "
                             "are written again at the next save");
    }
    lastRoundFailures_ = roundFailures_;
    roundFailures_ = 0;
}

}  // namespace bf
