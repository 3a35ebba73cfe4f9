// The plug-in: the top floor that owns every feature, starts them up and drives them once a frame.
//
// ScriptMain makes a new Plugin, installs it as the running runtime (dropping the previous run's,
// which frees what that run left in the game) and runs its main loop.
//
// initialize() creates every long-lived object in the documented order over several frames and
// returns false when the system cannot run (a required data file failed). mainLoop() then drives
// every feature once per frame inside one guard: an exception logs "Something wrong happened" and
// the exception's text, and from then on the script only yields frames. A failed start-up shows
// "Failed to load Brackenfold, please check the logs for more info." and halts the same way.
// Nothing ever leaves ScriptMain: an exception that reached the hook would take the game down.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "animals/animal_events_handler.h"
#include "animals/animal_hud.h"
#include "animals/animal_population.h"
#include "animals/animal_spawn_locations.h"
#include "animals/bait_manager.h"
#include "animals/map_area_tracker.h"
#include "animals/population_clock.h"
#include "animals/population_hooks.h"
#include "competitions/competition_variations.h"
#include "competitions/hunter_record.h"
#include "competitions/hunting_competitions_manager.h"
#include "core/recorder.h"
#include "core/runtime.h"
#include "data/catalogue.h"
#include "spine/settings_reload.h"
#include "trading/trading.h"
#include "ui/tutorials.h"
#include "world/map_districts.h"
#include "world/towns.h"
#include "world/world_tables.h"

namespace bf {

class Plugin : public Runtime {
  public:
    Plugin();
    ~Plugin() override;

    // The start-up sequence; false when the plug-in cannot run.
    bool initialize();
    // One pass of the features, in frame order (the guarded block of a frame).
    void runFrame();
    [[noreturn]] void mainLoop();
    // Writes the population, hint and hunter's record files that changed since their last save,
    // without calling the game: for the plug-in's unload (the game's exit, stopPlugin, a restarted
    // script). It writes nothing when start-up did not finish, and nothing (with a log line) when
    // the script was stopped inside a frame, whose work may be half done.
    void saveBeforeUnload();
    // The library is unloaded (the game's exit): saveBeforeUnload, then the recording ends.
    void unloading();
    // Starts the flight recorder when Settings.ini asks for it (core/recorder.h); ScriptMain
    // calls it before start-up, so that the recording holds the whole session.
    void startRecording();
    // Null when this run does not record.
    Recorder* recorder() { return recorder_.get(); }

    // Start-up has finished and the features run (what follows exists only then).
    bool ready() const { return ready_; }
    // What start-up made, for tests and tools.
    DataCatalogue& data() { return data_; }
    AnimalPopulationManager& population() { return population_; }
    HunterRecord& hunterRecord() { return hunterRecord_; }
    const AnimalSpawnLocations& spawnLocations() const { return spawnLocations_; }
    const CompetitionVariations& variations() const { return variations_; }
    const PlacesList& places() const { return *places_; }
    const WorldPositionTable& worldPositions() const { return *worldPositions_; }
    const TownRecords& towns() const { return towns_; }
    const MapDistricts& districts() const { return *districts_; }
    AnimalEventsHandler& animalEvents() { return *animalEvents_; }
    BaitManager& bait() { return *bait_; }
    Trading& trading() { return *trading_; }
    AnimalHud& animalHud() { return *animalHud_; }
    Tutorials& tutorials() { return tutorials_; }
    HuntingCompetitionsManager& competitions() { return *competitions_; }

  private:
    // After "Something wrong happened": the features let go of what they hold in the game.
    void haltFeatures();

    // First, so that it goes last: what the features free when dropped is recorded too.
    std::unique_ptr<Recorder> recorder_;
    bool ready_ = false;
    bool savedAtUnload_ = false;
    // What start-up writes to the log about the recorder, once the log is started.
    std::vector<std::string> recorderLogLines_;
    // Set while the frame's features run (the hook may unload the plug-in at any wait).
    std::atomic<bool> inFrame_ = false;
    DataCatalogue data_;
    Tutorials tutorials_{data_};
    AnimalPopulationManager population_;
    HunterRecord hunterRecord_;
    AnimalSpawnLocations spawnLocations_;
    CompetitionVariations variations_;

    // The world's tables and the features, made by start-up in this order (the HUD comes just
    // before the event handler that points it at what the player inspects; making either touches
    // nothing in the game).
    std::unique_ptr<PlacesList> places_;
    std::unique_ptr<WorldPositionTable> worldPositions_;
    TownRecords towns_;
    std::unique_ptr<MapDistricts> districts_;
    std::unique_ptr<MapAreaTracker> mapAreaTracker_;
    // The trade prompt and executor holders.
    std::unique_ptr<Trading> trading_;
    std::unique_ptr<PopulationHooks> populationHooks_;
    std::unique_ptr<AnimalHud> animalHud_;
    std::unique_ptr<AnimalEventsHandler> animalEvents_;
    std::unique_ptr<BaitManager> bait_;
    std::unique_ptr<PopulationClock> populationClock_;
    // Last, so that it goes first: a competition held at the end hands back what it made.
    std::unique_ptr<HuntingCompetitionsManager> competitions_;
    std::unique_ptr<SettingsReload> settingsReload_;
};

// The script's entry, registered with the hook.
void ScriptMain();
// The running plug-in; null before the first start-up (or after stopPlugin).
Plugin* runningPlugin();
// Saves what changed (saveBeforeUnload), then drops the running plug-in while the game is still
// there, freeing what it holds in the game (tests, and tools that end a game). A recording
// notes the drop and holds what the plug-in frees.
void stopPlugin();

}  // namespace bf
