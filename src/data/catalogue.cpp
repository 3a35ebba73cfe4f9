#include "data/catalogue.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "core/log.h"
#include "data/data_folder.h"
#include "data/game_language.h"

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
        if (required == lang_.get()) loadTranslation();
    }
    // The flags are used even when they failed to load: the first hint shown writes them.
    if (!tutorialFlags_->load()) {
        logMessage("TutorialFlags didn't load properly, continuing anyway.");
    }
    return true;
}

void DataCatalogue::loadTranslation() {
    const std::string_view code = languageCode(language_);
    if (code.empty()) {
        logMessage("Lang: game language " + std::to_string(language_) +
                   ", texts from Lang.dat (English)");
        return;
    }
    for (const std::string_view candidate : {code, fallbackLanguageCode(language_)}) {
        if (candidate.empty()) continue;
        const std::string name = "Lang." + std::string(candidate) + ".dat";
        const std::string path = dataFilePath(name);
        std::error_code error;
        if (!std::filesystem::exists(path, error)) continue;
        DictDataFile translation(path);
        if (!translation.load()) {
            logMessage("WARN: Lang: " + name + " did not read, texts from Lang.dat (English)");
            return;
        }
        lang_->overlay(translation);
        logMessage("Lang: game language " + std::to_string(language_) + ", texts from " + name +
                   " over Lang.dat");
        return;
    }
    logMessage("Lang: game language " + std::to_string(language_) + ", no Lang." +
               std::string(code) + ".dat: texts from Lang.dat (English)");
}

namespace {

std::string shortValue(const std::string* value) {
    if (!value) return "(none)";
    constexpr size_t kShown = 40;
    return value->size() <= kShown ? *value : value->substr(0, kShown) + "...";
}

// "a 1 -> 2, b (none) -> x" for the first few keys that differ, then how many more.
std::string describeChanges(const std::map<std::string, std::string, std::less<>>& before,
                            const std::map<std::string, std::string, std::less<>>& after) {
    constexpr int kListed = 5;
    std::string text;
    int count = 0;
    const auto note = [&](const std::string& key, const std::string* was, const std::string* now) {
        if (++count > kListed) return;
        if (!text.empty()) text += ", ";
        text += key + " " + shortValue(was) + " -> " + shortValue(now);
    };
    for (const auto& [key, value] : before) {
        const auto it = after.find(key);
        if (it == after.end())
            note(key, &value, nullptr);
        else if (it->second != value)
            note(key, &value, &it->second);
    }
    for (const auto& [key, value] : after) {
        if (!before.count(key)) note(key, nullptr, &value);
    }
    if (count > kListed) text += " and " + std::to_string(count - kListed) + " more";
    return text;
}

}  // namespace

bool DataCatalogue::reloadFile(DictDataFile& file, const char* name, bool withTranslation,
                               Reloaded& reloaded) {
    DictDataFile fresh(file.path());
    if (!fresh.load()) {
        if (reloaded.error.empty()) {
            reloaded.error = fresh.corruptLine() >= 0
                                 ? std::string(name) + " line " +
                                       std::to_string(fresh.corruptLine() + 1) + ": not key=value"
                                 : std::string(name) + " cannot be read";
        }
        return false;
    }
    const auto before = file.entries();
    file.replaceEntries(fresh);
    if (withTranslation) loadTranslation();
    const std::string changes = describeChanges(before, file.entries());
    if (changes.empty()) return false;
    reloaded.changes.push_back(std::string(name) + ": " + changes);
    return true;
}

DataCatalogue::Reloaded DataCatalogue::reloadReadOnly() {
    Reloaded reloaded;
    reloadFile(*lang_, "Lang.dat", true, reloaded);
    reloadFile(*generalMeta_, "GeneralMeta.dat", false, reloaded);
    reloadFile(*animalPrices_, "AnimalPrices.dat", false, reloaded);
    reloaded.huntingCompetitionsChanged =
        reloadFile(*huntingCompetitions_, "HuntingCompetitions.dat", false, reloaded);
    reloaded.animalSpawnsChanged = reloadFile(*animalSpawns_, "AnimalSpawns.dat", false, reloaded);
    return reloaded;
}

std::string formatText(std::string_view format, std::string_view argument) {
    std::string result(format);
    const auto at = result.find("%s");
    if (at != std::string::npos) result.replace(at, 2, argument);
    return result;
}

}  // namespace bf
