// The six data files of the data folder and the texts of Lang.dat.
//
// Load order: Lang.dat, GeneralMeta.dat, AnimalPrices.dat, HuntingCompetitions.dat,
// AnimalSpawns.dat (all required: the first that fails stops start-up and the later ones are not
// opened), then TutorialFlags.dat (optional: a missing file means no hint was shown yet, and the
// first hint shown writes it). The spine owns the catalogue; features receive it (or the one file
// they read) through their constructors.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "data/dict_data_file.h"

namespace bf {

class DataCatalogue {
  public:
    DataCatalogue();

    // Start-up: loads the six files in order; false when a required one is missing or corrupt.
    bool load();

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
