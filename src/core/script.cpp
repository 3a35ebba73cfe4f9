#include "core/script.h"

#include <exception>

#include "animals/animal_events_handler.h"
#include "animals/animal_hud.h"
#include "animals/animal_population.h"
#include "animals/animal_spawn_locations.h"
#include "animals/bait_manager.h"
#include "animals/map_area_tracker.h"
#include "animals/map_districts.h"
#include "animals/population_update.h"
#include "core/context.h"
#include "core/decorators.h"
#include "core/hook.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/settings.h"
#include "data/catalogue.h"
#include "data/data_folder.h"
#include "trading/trading.h"
#include "ui/messages.h"
#include "world/towns.h"
#include "world/world_tables.h"

namespace bf {

namespace {

constexpr const char* kBlipsDictionary = "blips_mp";
constexpr int32_t kBlipsDictionaryWaitMs = 3000;

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

// Logs what escaped and reports whether the caller may go on.
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

bool guardedInitialize() {
    try {
        return initialize();
    } catch (...) {
        logEscapedException(false);
        return false;
    }
}

bool guardedFrame() {
    try {
        runFrameFeatures();
        return true;
    } catch (...) {
        logEscapedException(true);
        return false;
    }
}

}  // namespace

bool initialize() {
    Context& ctx = context();
    ctx.playerPed = natives::playerPedId();
    initLog();
    logMessage(logBanner());
    loadSettings(dataFilePath("Settings.ini"), defaultSettings());
    natives::requestStreamedTextureDict(kBlipsDictionary, false);
    waitFrame();
    if (!loadDataFiles()) return false;
    ctx.population = std::make_unique<AnimalPopulationManager>();
    if (!ctx.population->loadCharacterFiles()) return false;

    waitFrame();
    ctx.spawnLocations = std::make_unique<AnimalSpawnLocations>();
    ctx.spawnLocations->load();
    waitFrame();

    registerDecorators();

    ctx.places = buildPlacesList();
    ctx.worldPositions = buildWorldPositionTable();
    ctx.towns = buildTownRecords(getSettingBool("DisableGrizzlies"));
    ctx.mapDistricts = std::make_unique<MapDistricts>(*ctx.places, *ctx.worldPositions, ctx.towns);
    ctx.mapAreaTracker = std::make_unique<MapAreaTracker>(kZoneDistrict, 30.0f);
    ctx.trading = std::make_unique<Trading>(
        TradeData{langData(), generalMeta(), animalPrices(),
                  [](const std::string& id) { showTutorialOnce(id, true); }});
    ctx.animalEvents = std::make_unique<AnimalEventsHandler>();
    ctx.bait = std::make_unique<BaitManager>();
    ctx.animalHud = std::make_unique<AnimalHud>();
    // The hunting competitions manager subscribes to the tracker's area changes here.

    waitForBlipsDictionary();
    return true;
}

void runFrameFeatures() {
    Context& ctx = context();
    flushPendingTexts();
    ctx.mapAreaTracker->update();
    ctx.animalEvents->onFrame();
    if (getSettingBool("BaitPlips")) ctx.bait->update();
    if (getSettingBool("EnableTrading")) ctx.trading->tradeUpdate();
    if (getSettingBool("DynamicAnimalPopulation")) updatePopulation(*ctx.population);
    ctx.animalHud->draw(*ctx.population);
}

void mainLoop() {
    if (!guardedInitialize()) {
        showMessage("Failed to load Brackenfold, please check the logs for more info.");
        haltForever();
    }
    Context& ctx = context();
    for (;;) {
        ctx.playerPed = natives::playerPedId();
        if (!guardedFrame()) haltForever();
        waitFrame();
    }
}

void ScriptMain() {
    mainLoop();
}

}  // namespace bf
