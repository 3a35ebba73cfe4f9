// The six data files of the data folder and the texts of Lang.dat.
//
// Load order: Lang.dat, GeneralMeta.dat, AnimalPrices.dat, HuntingCompetitions.dat,
// AnimalSpawns.dat (all required: the first that fails stops start-up and the later ones are not
// opened), then TutorialFlags.dat (optional: a missing file means no hint was shown yet, and the
// first hint shown writes it). The spine owns the catalogue; features receive it (or the one file
// they read) through their constructors.
//
// Texts in the game's language: with a language set (data/game_language.h), Lang.<code>.dat is
// read after Lang.dat and put over it, so that a key it lacks keeps its English text; the log
// says which file the texts come from. A translation that is missing or corrupt leaves the
// English texts (with a log line); it never stops start-up.
//
// A reload in the game (reloadReadOnly) reads the five files again: each one read in full
// replaces its values, one that fails keeps the values it had. TutorialFlags.dat, the
// plug-in's own, is not read again.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/dict_data_file.h"

namespace bf {

class DataCatalogue {
  public:
    DataCatalogue();

    // Start-up: loads the six files in order; false when a required one is missing or corrupt.
    bool load();
    // The game's language (GET_CURRENT_LANGUAGE's number), before load().
    void setLanguage(int32_t gameLanguage) { language_ = gameLanguage; }
    int32_t language() const { return language_; }

    struct Reloaded {
        // One line per file whose values changed: "GeneralMeta.dat: trade.base_price 1.5 -> 2".
        std::vector<std::string> changes;
        // The first file that failed, where and why ("GeneralMeta.dat line 4: not key=value");
        // empty when all read.
        std::string error;
        bool animalSpawnsChanged = false;
        bool huntingCompetitionsChanged = false;
    };
    Reloaded reloadReadOnly();

    // Every file exists from construction (empty until loaded), so a feature may hold a
    // reference to one before start-up has read it.
    DictDataFile& generalMeta() { return *generalMeta_; }
    DictDataFile& animalPrices() { return *animalPrices_; }
    DictDataFile& huntingCompetitions() { return *huntingCompetitions_; }
    DictDataFile& animalSpawns() { return *animalSpawns_; }
    DictDataFile& tutorialFlags() { return *tutorialFlags_; }

    // The Lang.dat text of a key; an absent key gives an empty text.
    const std::string& text(std::string_view key) const { return lang_->getString(key); }

  private:
    // Reads the language's file over Lang.dat's texts.
    void loadTranslation();
    // Reads one file again into `file`; false (file untouched) when it failed.
    bool reloadFile(DictDataFile& file, const char* name, bool withTranslation, Reloaded& reloaded);

    int32_t language_ = 0;
    std::unique_ptr<DictDataFile> lang_;
    std::unique_ptr<DictDataFile> generalMeta_;
    std::unique_ptr<DictDataFile> animalPrices_;
    std::unique_ptr<DictDataFile> huntingCompetitions_;
    std::unique_ptr<DictDataFile> animalSpawns_;
    std::unique_ptr<DictDataFile> tutorialFlags_;
};

// A Lang.dat text used as a format with one text argument: the first "%s" is replaced by the
// argument and every other character stays as written. Player-edited texts are never handed to
// printf, so "%n" or "%s%s" in them are shown, not interpreted.
std::string formatText(std::string_view format, std::string_view argument);

}  // namespace bf
