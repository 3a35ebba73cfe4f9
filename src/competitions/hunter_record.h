// The hunter's record: per player character, what became of the hunting competitions he was
// offered (offered, taken, and of those taken: won, lost, drawn, aborted), the money he won and
// lost on them, and the heaviest animal he took of each animal type, with its weight and the
// game's date of the kill.
//
// Files: "HuntersRecord.John.dat" and "HuntersRecord.Arthur.dat" in the data folder, read at
// start-up (a missing one starts empty) and written through the data-file writer (atomic:
// "<file>.tmp" renamed over the file). A file that does not read in full (a corrupt line, a
// value that is not a number, or out of range) is kept aside as "<file>.bad" at once, with a log
// line, and that character's record starts afresh. The active character follows the player's
// model, as the population's files do.
//
// Keys (counts are whole numbers from 0; money in cents; types are the game's animal type hashes
// as signed decimals, as the population files write them):
//   competitions.offered  competitions.taken  competitions.won  competitions.lost
//   competitions.drawn  competitions.aborted  money.won_cents  money.lost_cents
//   heaviest.<type>.weight  (kilograms, as the animal sizes give them)
//   heaviest.<type>.date    (the game's date, "1899-06-14")
//
// A competition counts as taken when the player accepts it; won, lost, drawn or aborted once a
// taken one ends (one still running when the game quits counts only as taken). Money is what
// actually changed hands. The record is written when it changes and at unload, never on a frame
// where nothing happened to it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "world/game_events.h"

namespace bf {

class DictDataFile;

struct HeaviestAnimal {
    float weight = 0.0f;
    std::string date;  // "YYYY-MM-DD"
};

struct HunterTally {
    int32_t offered = 0;
    int32_t taken = 0;
    int32_t won = 0;
    int32_t lost = 0;
    int32_t drawn = 0;
    int32_t aborted = 0;
    int32_t moneyWonCents = 0;
    int32_t moneyLostCents = 0;
    // By the animal type as a signed number.
    std::map<int32_t, HeaviestAnimal> heaviest;
};

// The tally a record file holds. Values that do not read (or are negative) are left at 0 and
// make the file count as damaged (file.damage() says why); keys it does not know are ignored.
// The file should read bad values as absent (DictDataFile::readBadValuesAsAbsent).
HunterTally readTally(const DictDataFile& file);
// Puts the tally into the file's entries (the file is then dirty when anything changed).
void writeTally(const HunterTally& tally, DictDataFile& file);
// "1899-06-14" for year 1899, month 5 (counted from 0) and day 14.
std::string formatGameDate(int32_t year, int32_t month, int32_t day);

class HunterRecord : public EventsSubscriber<EntityDamagedEvent> {
  public:
    HunterRecord();
    ~HunterRecord() override;
    HunterRecord(const HunterRecord&) = delete;
    HunterRecord& operator=(const HunterRecord&) = delete;

    // Reads both characters' files (start-up); never fails: a missing file starts empty, a
    // damaged one is kept as .bad and starts afresh.
    void load();
    // The active character's record.
    const HunterTally& current() const;

    void competitionOffered();
    void competitionTaken();
    // A taken competition ended with that outcome (competition_info.h) and `cents` moved: won
    // (positive) or lost (negative, as taken from the player).
    void competitionEnded(int32_t outcome, int32_t cents);
    // A damaged animal that the player has killed (his shot, or bleeding from his wound) may be
    // the heaviest of its type so far.
    void onEvent(const EntityDamagedEvent& event) override;

    // Writes the characters' files that changed; false when one could not be written (it stays
    // changed and is tried again at the next change or at unload). Calls no native.
    bool save();

    // The file of a character ("John", "Arthur") as the data folder names it.
    static std::string filePath(const std::string& character);

  private:
    struct Character {
        std::unique_ptr<DictDataFile> file;
        HunterTally tally;
    };
    Character& active();
    const Character& active() const;
    // Writes the active character's tally and saves.
    void changed();

    Character john_;
    Character arthur_;
};

}  // namespace bf
