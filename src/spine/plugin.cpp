#include "spine/plugin.h"

#include <exception>

#include "core/decorators.h"
#include "core/hook.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/settings.h"
#include "core/zones.h"
#include "data/data_folder.h"
#include "ui/messages.h"

namespace bf {

namespace {

constexpr const char* kBlipsDictionary = "blips_mp";
constexpr int32_t kBlipsDictionaryWaitMs = 3000;
constexpr float kAreaConfirmDistance = 30.0f;

void waitFrame() {
    hook::scriptWait(0);
}

[[noreturn]] void haltForever() {
    for (;;)
        waitFrame();
}

void waitForBlipsDictionary() {
    const uint32_t start = natives::getGameTimer();
    while (!natives::hasStreamedTextureDictLoaded(kBlipsDictionary) &&
           static_cast<int32_t>(natives::getGameTimer() - start) < kBlipsDictionaryWaitMs) {
        waitFrame();
    }
    logMessage(natives::hasStreamedTextureDictLoaded(kBlipsDictionary)
                   ? "loaded blips_mp"
                   : "failed to load blips_mp texture dict");
}

// Logs what escaped.
void logEscapedException(bool frameGuard) {
    if (frameGuard) logMessage("Something wrong happened");
    try {
        throw;
    } catch (const std::exception& e) {
        logMessage(e.what());
    } catch (...) {
        logMessage("No exception captured.");
    }
}

}  // namespace

Plugin::Plugin() = default;
Plugin::~Plugin() = default;

bool Plugin::initialize() {
    playerPed = natives::playerPedId();
    initLog();
    logMessage(logBanner());
    loadSettings(dataFilePath("Settings.ini"), defaultSettings());
    natives::requestStreamedTextureDict(kBlipsDictionary, false);
    waitFrame();
    if (!data_.load()) return false;
    if (!population_.loadCharacterFiles()) return false;

    waitFrame();
    spawnLocations_.load(data_.animalSpawns());
    variations_.load(data_.huntingCompetitions());
    waitFrame();

    registerDecorators();

    places_ = buildPlacesList();
    worldPositions_ = buildWorldPositionTable();
    towns_ = buildTownRecords(getSettingBool("DisableGrizzlies"));
    districts_ = std::make_unique<MapDistricts>(*places_, *worldPositions_, towns_);
    mapAreaTracker_ = std::make_unique<MapAreaTracker>(kZoneDistrict, kAreaConfirmDistance);
    trading_ = std::make_unique<Trading>(data_, tutorials_);
    populationSteps_ = std::make_unique<PopulationSteps>(population_, data_.generalMeta());
    animalHud_ = std::make_unique<AnimalHud>(population_);
    animalEvents_ =
        std::make_unique<AnimalEventsHandler>(*populationSteps_, *animalHud_, data_.generalMeta());
    bait_ = std::make_unique<BaitManager>(data_, tutorials_);
    populationUpdater_ = std::make_unique<PopulationUpdater>(population_, data_.generalMeta());
    competitions_ = std::make_unique<HuntingCompetitionsManager>(data_, tutorials_, spawnLocations_,
                                                                 *districts_, variations_);
    // Step 11: the manager withdraws offers on area changes and scores the pump's damage events.
    mapAreaTracker_->subscribe(*competitions_);
    animalEvents_->subscribeDamage(*competitions_);

    waitForBlipsDictionary();
    return true;
}

void Plugin::runFrame() {
    flushPendingTexts();
    mapAreaTracker_->update();
    animalEvents_->onFrame();
    competitions_->update();
    if (getSettingBool("BaitPlips")) bait_->update();
    if (getSettingBool("EnableTrading")) trading_->tradeUpdate();
    if (getSettingBool("DynamicAnimalPopulation")) populationUpdater_->update();
    animalHud_->draw();
}

void Plugin::mainLoop() {
    bool ready = false;
    try {
        ready = initialize();
    } catch (...) {
        logEscapedException(false);
    }
    if (!ready) {
        showMessage("Failed to load Brackenfold, please check the logs for more info.");
        haltForever();
    }
    for (;;) {
        playerPed = natives::playerPedId();
        try {
            runFrame();
        } catch (...) {
            logEscapedException(true);
            haltForever();
        }
        waitFrame();
    }
}

void ScriptMain() {
    auto plugin = std::make_unique<Plugin>();
    Plugin& running = *plugin;
    installRuntime(std::move(plugin));
    running.mainLoop();
}

Plugin* runningPlugin() {
    return dynamic_cast<Plugin*>(installedRuntime());
}

void stopPlugin() {
    installRuntime(nullptr);
}

}  // namespace bf
