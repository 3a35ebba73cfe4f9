#include "data/catalogue.h"

#include "core/log.h"
#include "data/data_folder.h"

namespace bf {

DataCatalogue::DataCatalogue()
    : lang_(std::make_unique<DictDataFile>(dataFilePath("Lang.dat"))),
      generalMeta_(std::make_unique<DictDataFile>(dataFilePath("GeneralMeta.dat"))),
      animalPrices_(std::make_unique<DictDataFile>(dataFilePath("AnimalPrices.dat"))),
      huntingCompetitions_(std::make_unique<DictDataFile>(dataFilePath("HuntingCompetitions.dat"))),
      animalSpawns_(std::make_unique<DictDataFile>(dataFilePath("AnimalSpawns.dat"))),
      tutorialFlags_(std::make_unique<DictDataFile>(dataFilePath("TutorialFlags.dat"))) {
    // The plug-in writes the flags itself: a damaged value must not stop it, nor be overwritten.
    tutorialFlags_->readBadValuesAsAbsent();
}

bool DataCatalogue::load() {
    for (DictDataFile* required : {lang_.get(), generalMeta_.get(), animalPrices_.get(),
                                   huntingCompetitions_.get(), animalSpawns_.get()}) {
        if (!required->load()) return false;
    }
    // The flags are used even when they failed to load: the first hint shown writes them.
    if (!tutorialFlags_->load()) {
        logMessage("TutorialFlags didn't load properly, continuing anyway.");
    }
    return true;
}

std::string formatText(std::string_view format, std::string_view argument) {
    std::string result(format);
    const auto at = result.find("%s");
    if (at != std::string::npos) result.replace(at, 2, argument);
    return result;
}

}  // namespace bf
