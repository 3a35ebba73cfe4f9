#include "spine/plugin.h"

#include <exception>

#include "core/decorators.h"
#include "core/frame_tally.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/recorder.h"
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
    waitForGame(0);
}

// The settings that switch whole features on, read once a frame.
struct FrameGates {
    bool competitions = false;
    bool bait = false;
    bool trading = false;
    bool population = false;
};

FrameGates readFrameGates() {
    return {getSettingBool("HuntingCompetitions_Enabled"), getSettingBool("BaitPlips"),
            getSettingBool("EnableTrading"), getSettingBool("DynamicAnimalPopulation")};
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
    const ScopedActivity mark(Activity::StartUp);
    playerPed = natives::playerPedId();
    playerIndex = natives::playerId();
    initLog();
    logMessage(logBanner());
    for (const std::string& line : recorderLogLines_)
        logMessage(line);
    recorderLogLines_.clear();
    loadSettings(dataFilePath("Settings.ini"), defaultSettings());
    natives::requestStreamedTextureDict(kBlipsDictionary, false);
    waitFrame();
    data_.setLanguage(natives::getCurrentLanguage());
    if (!data_.load()) return false;
    if (!population_.loadCharacterFiles()) return false;
    hunterRecord_.load();

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
    populationHooks_ = std::make_unique<PopulationHooks>(population_, data_.generalMeta());
    animalHud_ = std::make_unique<AnimalHud>(population_);
    animalEvents_ =
        std::make_unique<AnimalEventsHandler>(*populationHooks_, *animalHud_, data_.generalMeta());
    bait_ = std::make_unique<BaitManager>(data_, tutorials_);
    populationClock_ = std::make_unique<PopulationClock>(population_, data_.generalMeta());
    competitions_ = std::make_unique<HuntingCompetitionsManager>(
        data_, tutorials_, spawnLocations_, *districts_, variations_, *bait_, hunterRecord_);
    // The manager withdraws offers on area changes and scores the pump's damage events; the
    // record weighs the player's kills.
    mapAreaTracker_->subscribe(*competitions_);
    animalEvents_->subscribeDamage(*competitions_);
    animalEvents_->subscribeDamage(hunterRecord_);
    settingsReload_ = std::make_unique<SettingsReload>(
        data_, spawnLocations_, variations_, *competitions_, *trading_, *bait_, population_);

    waitForBlipsDictionary();
    return true;
}

void Plugin::runFrame() {
    settingsReload_->onFrame();
    const FrameGates gates = readFrameGates();
    flushPendingTexts();
    mapAreaTracker_->onFrame();
    animalEvents_->onFrame();
    if (gates.competitions) competitions_->onFrame();
    bait_->onFrame(gates.bait);
    if (gates.trading) trading_->onFrame();
    if (gates.population) populationClock_->onFrame();
    animalHud_->onFrame();
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
    ready_ = true;
    for (;;) {
        playerPed = natives::playerPedId();
        inFrame_ = true;
        try {
            runFrame();
        } catch (...) {
            inFrame_ = false;
            logEscapedException(true);
            haltFeatures();
            haltForever();
        }
        inFrame_ = false;
        waitFrame();
    }
}

void Plugin::haltFeatures() {
    // What a stopped script leaves registered stays in the game; the rest is the log's.
    try {
        if (trading_) trading_->halt();
    } catch (...) {
        logEscapedException(false);
    }
}

void Plugin::saveBeforeUnload() {
    // Once: the hook's detach and the drop of the plug-in that follows it both ask.
    if (!ready_ || savedAtUnload_) return;
    savedAtUnload_ = true;
    if (inFrame_) {
        logMessage(
            "WARN: unloaded in the middle of a frame; population and hints changed since the "
            "last save are not written");
        return;
    }
    try {
        logMessage("saving what changed before unloading");
        if (getSettingBool("DynamicAnimalPopulation")) population_.saveAll();
        if (!data_.tutorialFlags().save(false))
            logMessage("WARN: the hints seen in this session could not be saved");
        if (!hunterRecord_.save()) logMessage("WARN: the hunter's record could not be saved");
    } catch (...) {
        // Nothing may leave an unload; the reason is in the log.
        logEscapedException(false);
    }
}

void Plugin::unloading() {
    if (recorder_) recorder_->detached();
    saveBeforeUnload();
    if (recorder_) recorder_->finish();
}

void Plugin::startRecording() {
    recorder_ = Recorder::start(readRecorderSettings(dataFilePath("Settings.ini")),
                                std::string(kDataFolder), recorderLogLines_);
}

void ScriptMain() {
    // A script started again in the same process: the previous run's changes come first.
    if (Plugin* previous = runningPlugin()) {
        if (Recorder* recorder = previous->recorder()) recorder->stopped();
        previous->saveBeforeUnload();
    }
    auto plugin = std::make_unique<Plugin>();
    Plugin& running = *plugin;
    installRuntime(std::move(plugin));
    running.startRecording();
    running.mainLoop();
}

Plugin* runningPlugin() {
    return dynamic_cast<Plugin*>(installedRuntime());
}

void stopPlugin() {
    if (Plugin* running = runningPlugin()) {
        if (Recorder* recorder = running->recorder()) recorder->stopped();
        running->saveBeforeUnload();
    }
    installRuntime(nullptr);
}

}  // namespace bf
