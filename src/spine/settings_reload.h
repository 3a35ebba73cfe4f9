// Reloading the settings and the data files in the game, on a key combination.
//
// "Keys_ReloadSettings" in Settings.ini names the combination as a player writes it
// (core/key_chord.h); absent, Ctrl+F10. A press, seen in the key events the script thread took
// since the last frame (core/key_input.h, so a recording replays it), reloads before the frame's
// features run:
//
// - Settings.ini, read strictly (core/settings.h): when it cannot be opened, a line is not
//   KEY=VALUE, a number does not read or the combination does not, every setting keeps its value.
// - Lang.dat (with the game language's file over it), GeneralMeta.dat, AnimalPrices.dat,
//   HuntingCompetitions.dat and AnimalSpawns.dat: each file read in full replaces its values, one
//   that fails keeps its own. The special animals and spawn places read from the last two are
//   made again at once, or, while a competition is held, once it has ended (it keeps the ones it
//   was made with). TutorialFlags.dat and the population files are the plug-in's own: not read.
//
// The log gets what changed, key by key; a notification says "Brackenfold settings reloaded", or
// what failed with the file and line ("Brackenfold: Settings.ini line 12: ..."). Running
// competitions and trades stay whole: settings read when something begins (the time cap and
// stake when a competition is made, the price scale when a trade begins) apply to the next one. A
// feature switched off lets go of what it holds, as at unload: competitions withdraw the one
// held now (no money changes hands), trading ends the running trade and drops its prompt, bait
// blips leave the map, and the population writes what changed. "DisableGrizzlies" and the
// recorder's keys are read at start-up only (the log says so when they change).
#pragma once

#include "core/key_chord.h"

namespace bf {

class AnimalPopulationManager;
class AnimalSpawnLocations;
class BaitManager;
class CompetitionVariations;
class DataCatalogue;
class HuntingCompetitionsManager;
class Trading;

class SettingsReload {
  public:
    static constexpr const char* kDefaultChord = "Ctrl+F10";
    static constexpr int32_t kNotificationMs = 5000;

    SettingsReload(DataCatalogue& data, AnimalSpawnLocations& spawnLocations,
                   CompetitionVariations& variations, HuntingCompetitionsManager& competitions,
                   Trading& trading, BaitManager& bait, AnimalPopulationManager& population);

    // Once a frame, before the features: a press of the combination reloads; places and special
    // animals held back for a competition are made once it has ended.
    void onFrame();
    // The reload itself (also for tests).
    void reload();
    const KeyChord& chord() const { return chord_; }

  private:
    // The combination from the settings now in force; Ctrl+F10 (with a WARN) when it does not read.
    void readChord();
    void remakeCompetitionTables();

    DataCatalogue& data_;
    AnimalSpawnLocations& spawnLocations_;
    CompetitionVariations& variations_;
    HuntingCompetitionsManager& competitions_;
    Trading& trading_;
    BaitManager& bait_;
    AnimalPopulationManager& population_;
    KeyChord chord_;
    KeyChordWatcher watcher_;
    bool spawnsPending_ = false;
    bool variationsPending_ = false;
};

}  // namespace bf
