// The process-wide context: every long-lived object of the plug-in, created once by start-up and
// reached through context(). Features keep no hidden statics; everything they keep between frames
// lives here, so resetContext() gives a test a fresh plug-in in the same process.
//
// Each feature adds its object as a member (forward-declared here, defined in its own header) and
// creates it in its start-up step.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "core/settings.h"
#include "core/vector3.h"

namespace bf {

class AnimalEventsHandler;
class AnimalHud;
class AnimalPopulationManager;
class AnimalSpawnLocations;
class BaitManager;
class MapAreaTracker;
class MapDistricts;
class PlacesList;
class Trading;
struct TownRecord;

// The last event of one key code, as the keyboard handler recorded it.
struct KeyState {
    uint32_t tickCount = 0;
    int32_t withAlt = 0;
    int32_t wasDownBefore = 0;
    int32_t isUpNow = 0;
};

class DictDataFile;
struct ScreenTexts;

struct Context {
    Context();
    ~Context();

    // Written only at the top of each frame and at the start of start-up.
    int32_t playerPed = 0;
    SettingsTable settings;
    std::array<KeyState, 255> keys{};

    // The data files, created and loaded by loadDataFiles (data/catalogue.h).
    std::unique_ptr<DictDataFile> lang;
    std::unique_ptr<DictDataFile> generalMeta;
    std::unique_ptr<DictDataFile> animalPrices;
    std::unique_ptr<DictDataFile> huntingCompetitions;
    std::unique_ptr<DictDataFile> animalSpawns;
    std::unique_ptr<DictDataFile> tutorialFlags;

    // Pending help text and notification, and what the game may read after a call
    // (ui/messages.h).
    std::unique_ptr<ScreenTexts> screenTexts;

    // The event pump and bleeding (animals/animal_events_handler.h), and the animal the player
    // inspects (animals/animal_hud.h).
    std::unique_ptr<AnimalEventsHandler> animalEvents;
    std::unique_ptr<AnimalHud> animalHud;
    // World tables (start-up step 10).
    std::unique_ptr<PlacesList> places;
    std::unique_ptr<std::map<int32_t, Vector3>> worldPositions;
    std::vector<std::shared_ptr<const TownRecord>> towns;
    // The district table and the player's map area (animals/map_districts.h,
    // animals/map_area_tracker.h).
    std::unique_ptr<MapDistricts> mapDistricts;
    std::unique_ptr<MapAreaTracker> mapAreaTracker;
    // The population store and its files (animals/animal_population.h), from start-up step 7.
    std::unique_ptr<AnimalPopulationManager> population;
    // Where animals live (start-up step 8) and the bait blips.
    std::unique_ptr<AnimalSpawnLocations> spawnLocations;
    std::unique_ptr<BaitManager> bait;
    // The trade prompt and the running trade (trading/trading.h).
    std::unique_ptr<Trading> trading;
};

Context& context();
// Tests only: drops every object so that the next start-up begins from nothing. The frame loop
// never calls it.
void resetContext();

}  // namespace bf
