// The six data files of the data folder, their texts and the one-time tutorial hints.
//
// Load order: Lang.dat, GeneralMeta.dat, AnimalPrices.dat, HuntingCompetitions.dat,
// AnimalSpawns.dat (all required: the first that fails stops start-up and the later ones are not
// opened), then TutorialFlags.dat (optional: a missing file means no hint was shown yet, and the
// first hint shown writes it). The dictionaries live in the Context for the whole process.
#pragma once

#include <string>
#include <string_view>

namespace bf {

class DictDataFile;

// Start-up: loads the six files in order; false when a required one is missing or corrupt.
bool loadDataFiles();

// The dictionaries (valid once loadDataFiles has created them).
DictDataFile& langData();
DictDataFile& generalMeta();
DictDataFile& animalPrices();
DictDataFile& animalSpawns();

// The Lang.dat text of a key; an absent key (or Lang.dat not loaded) gives an empty text.
const std::string& text(std::string_view key);

// A Lang.dat text used as a format with one text argument: the first "%s" is replaced by the
// argument and every other character stays as written. Player-edited texts are never handed to
// printf, so "%n" or "%s%s" in them are shown, not interpreted.
std::string formatText(std::string_view format, std::string_view argument);

// Shows the help text "tutorial." + id for 8000 ms and remembers it in TutorialFlags.dat. A hint
// shown before comes back only on a random draw of 4 out of 0..4, unless forced.
void showTutorialOnce(const std::string& id, bool force);

}  // namespace bf
