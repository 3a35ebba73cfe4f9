#include "data/catalogue.h"

#include <memory>

#include "core/context.h"
#include "core/log.h"
#include "core/natives.h"
#include "data/data_folder.h"
#include "data/dict_data_file.h"
#include "ui/messages.h"

namespace bf {

namespace {

constexpr int32_t kTutorialDurationMs = 8000;
// A hint already shown comes back on a draw of 4 or more from [0, 5).
constexpr int32_t kTutorialRepeatDraw = 4;

const std::string kNoText;

// Creates the dictionary into its slot before loading it, so that a failed load still leaves it
// in place (the tutorial flags are used even when they failed to load).
bool createAndLoad(std::unique_ptr<DictDataFile>& slot, std::string_view name) {
    slot = std::make_unique<DictDataFile>(dataFilePath(name));
    return slot->load();
}

}  // namespace

bool loadDataFiles() {
    Context& ctx = context();
    if (!createAndLoad(ctx.lang, "Lang.dat")) return false;
    if (!createAndLoad(ctx.generalMeta, "GeneralMeta.dat")) return false;
    if (!createAndLoad(ctx.animalPrices, "AnimalPrices.dat")) return false;
    if (!createAndLoad(ctx.huntingCompetitions, "HuntingCompetitions.dat")) return false;
    if (!createAndLoad(ctx.animalSpawns, "AnimalSpawns.dat")) return false;
    if (!createAndLoad(ctx.tutorialFlags, "TutorialFlags.dat")) {
        logMessage("TutorialFlags didn't load properly, continuing anyway.");
    }
    return true;
}

DictDataFile& langData() {
    return *context().lang;
}
DictDataFile& generalMeta() {
    return *context().generalMeta;
}
DictDataFile& animalPrices() {
    return *context().animalPrices;
}
DictDataFile& animalSpawns() {
    return *context().animalSpawns;
}

const std::string& text(std::string_view key) {
    const auto& lang = context().lang;
    return lang ? lang->getString(key) : kNoText;
}

std::string formatText(std::string_view format, std::string_view argument) {
    std::string result(format);
    const auto at = result.find("%s");
    if (at != std::string::npos) result.replace(at, 2, argument);
    return result;
}

void showTutorialOnce(const std::string& id, bool force) {
    DictDataFile& flags = *context().tutorialFlags;
    if (!force && flags.getBool(id) && natives::getRandomIntInRange(0, 5) < kTutorialRepeatDraw) {
        return;
    }
    showHelpText(text("tutorial." + id), kTutorialDurationMs);
    logMessage("tutorial seen: " + id);
    flags.setInt(id, 1);
    flags.save(false);
}

}  // namespace bf
