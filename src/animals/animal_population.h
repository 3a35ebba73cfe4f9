// The dynamic population store: per district and animal type a population factor in (0, 1]
// (1 = untouched), and per player character a development factor of 1 or more that lifts every
// factor as time passes. The rest of the plug-in uses the effective factor, the product of the
// two capped at 1.
//
// Files under "AnimalsPopulation/" in the data folder: "PopulationStatus.John.dat" and
// "PopulationStatus.Arthur.dat" (loaded at start-up), and one "<district>.dat" per district,
// opened on first use (a missing one starts empty). Ids and types are written as signed
// decimals. The active character follows the player's model at every access (John's file for
// "player_three", Arthur's for any other), so switching character switches files at once.
// Nothing is written to disk except by saveStep and saveAll.
//
// Despite its name it manages nothing by itself: it is the store and its files, and it acts only
// when called. PopulationHooks culls and depletes through it from the animal events,
// PopulationClock saves and develops it from the frame loop, the HUD reads the factor of the
// animal inspected, and the unload (or a reload that switches the population off) calls
// saveAll. Reading is not free of effects: a population factor that is absent or not above 0,
// and a development factor below 1, are set to 1 in memory, for the next save to write.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace bf {

class DictDataFile;

// The development factor grows no further (about 725 game days at the shipped rate): above it a
// kill's stored factor (effective ÷ development) would no longer read back from its file.
inline constexpr float kMaxDevelopmentFactor = 1e30f;
// The smallest population factor stored: the smallest normal float.
inline constexpr float kMinPopulationFactor = 1.17549435e-38f;

class AnimalPopulationManager {
  public:
    // Makes the file object for a path (tests hand in files that fail to write).
    using FileFactory = std::function<std::unique_ptr<DictDataFile>(const std::string& path)>;

    AnimalPopulationManager();
    explicit AnimalPopulationManager(FileFactory makeFile);
    ~AnimalPopulationManager();

    // John's file, then Arthur's; false when either fails to load.
    bool loadCharacterFiles();

    // -1.0 for district or type 0; an absent or non-positive stored factor is stored as 1.0.
    float populationFactor(uint32_t district, uint32_t type);
    // Refused (false, nothing stored) for district or type 0 or a value outside
    // [kMinPopulationFactor, 1].
    bool setPopulationFactor(uint32_t district, uint32_t type, float value);
    // The active character's factor; a value below 1 is stored back as 1, one above
    // kMaxDevelopmentFactor reads as that.
    float developmentFactor();
    float effectiveFactor(uint32_t district, uint32_t type);
    // For the district where the ped stands and the ped's type.
    float effectiveFactorOfPed(int32_t ped);
    // One kill: the effective factor times `rate`, stored without the development factor so
    // that the effective factor is exactly the new value. Returns the effective factor after it.
    // District or type 0, or a rate not above 0 (the key missing), change, write and log nothing.
    float deplete(uint32_t district, uint32_t type, float rate);
    // Multiplies the active character's development factor by `rate` (up to
    // kMaxDevelopmentFactor) and stamps it with `now`.
    void develop(float rate, int32_t now);

    // One frame's share of a save, so that the frame loop (and its event pump) goes on while the
    // population is written: the next changed district file in ascending id order after the
    // ones this save has written, or, when none is left, John's and Arthur's files (each when
    // changed). True when the save is complete; the next call starts a new one. A district
    // changed during a save is written by it when its id is still ahead, else by the next.
    bool saveStep();
    // Writes every changed file at once, districts first (unload, tests). Calls no native.
    void saveAll();
    // The files the last complete save could not write (they stay changed and in memory, and the
    // next save writes them again).
    int32_t unsavedFiles() const { return lastRoundFailures_; }

    // The active character's file.
    DictDataFile& characterFile();

  private:
    // Removes the "<file>.dat.tmp" files of interrupted writes from the population folder.
    void removeLeftoverWrites();
    DictDataFile& districtFile(uint32_t district);
    void endSaveRound();
    // The effective factor as it reads now, storing none of the defaults it falls back on.
    float currentEffectiveFactor(uint32_t district, uint32_t type);

    FileFactory makeFile_;
    std::unique_ptr<DictDataFile> john_;
    std::unique_ptr<DictDataFile> arthur_;
    // Ordered by the district id as a signed number, the order saves walk them in.
    std::map<int32_t, std::unique_ptr<DictDataFile>> districts_;
    // The save in progress: the id of the last district file it wrote.
    bool saving_ = false;
    int32_t savedUpTo_ = 0;
    int32_t roundFailures_ = 0;
    int32_t lastRoundFailures_ = 0;
};

// Text of a district id or animal type as the files and the log write it: signed decimal.
std::string signedId(uint32_t id);

}  // namespace bf
