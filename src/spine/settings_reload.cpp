#include "spine/settings_reload.h"

#include <string>

#include "animals/animal_population.h"
#include "animals/animal_spawn_locations.h"
#include "animals/bait_manager.h"
#include "competitions/competition_variations.h"
#include "competitions/hunting_competitions_manager.h"
#include "core/key_input.h"
#include "core/log.h"
#include "core/recorder.h"
#include "core/runtime.h"
#include "core/settings.h"
#include "core/text.h"
#include "data/catalogue.h"
#include "data/data_folder.h"
#include "trading/trading.h"
#include "ui/messages.h"

namespace bf {

namespace {

constexpr const char* kChordKey = "Keys_ReloadSettings";

// Settings whose change takes effect only at the next start of the game.
bool readAtStartOnly(const std::string& key) {
    return key == "DisableGrizzlies" || key.rfind("Recorder_", 0) == 0;
}

const std::string* find(const SettingsTable& table, const std::string& key) {
    const auto it = table.find(key);
    return it == table.end() ? nullptr : &it->second;
}

// A switch as getSettingBool reads it, from a table; a value that does not read counts as off.
bool switchIn(const SettingsTable& table, const char* key) {
    const std::string* value = find(table, key);
    if (!value || value->empty()) return false;
    try {
        const int number = toInt(*value);
        return number != 0 && number != -1;
    } catch (const std::exception&) {
        return false;
    }
}

bool switchedOff(const SettingsTable& before, const char* key) {
    return switchIn(before, key) && !switchIn(runtime().settings, key);
}

}  // namespace

SettingsReload::SettingsReload(DataCatalogue& data, AnimalSpawnLocations& spawnLocations,
                               CompetitionVariations& variations,
                               HuntingCompetitionsManager& competitions, Trading& trading,
                               BaitManager& bait, AnimalPopulationManager& population)
    : data_(data),
      spawnLocations_(spawnLocations),
      variations_(variations),
      competitions_(competitions),
      trading_(trading),
      bait_(bait),
      population_(population) {
    readChord();
    clearFrameKeyEvents();
}

void SettingsReload::readChord() {
    const std::string text = getSettingString(kChordKey);
    std::string why;
    if (const auto chord = parseKeyChord(text.empty() ? kDefaultChord : text, &why)) {
        chord_ = *chord;
        return;
    }
    logMessage("WARN: Settings.ini: " + std::string(kChordKey) + "=" + text + ": " + why + "; " +
               kDefaultChord + " is used");
    chord_ = *parseKeyChord(kDefaultChord);
}

void SettingsReload::onFrame() {
    size_t count = 0;
    const KeyEvent* events = frameKeyEvents(count);
    const bool pressed = count > 0 && watcher_.pressed(chord_, events, count);
    clearFrameKeyEvents();
    if (pressed) reload();
    if ((spawnsPending_ || variationsPending_) && competitions_.info() == nullptr)
        remakeCompetitionTables();
}

void SettingsReload::remakeCompetitionTables() {
    if (spawnsPending_) spawnLocations_.reload(data_.animalSpawns());
    if (variationsPending_) variations_.reload(data_.huntingCompetitions());
    spawnsPending_ = variationsPending_ = false;
}

void SettingsReload::reload() {
    logMessage("Reload: " + formatKeyChord(chord_) +
               " pressed: reading Settings.ini and the data files again");
    std::string failure;
    if (Recorder* recorder = activeRecorder()) recorder->dataFolderReread();

    // Settings.ini.
    SettingsTable fresh;
    std::string error;
    bool settingsRead =
        readSettingsStrictly(dataFilePath("Settings.ini"), defaultSettings(), fresh, error);
    if (settingsRead) {
        const std::string* chordText = find(fresh, kChordKey);
        std::string why;
        if (chordText && !chordText->empty() && !parseKeyChord(*chordText, &why)) {
            error = "Settings.ini: " + std::string(kChordKey) + "=" + *chordText + ": " + why;
            settingsRead = false;
        }
    }
    SettingsTable before = runtime().settings;
    if (settingsRead) {
        int changed = 0;
        for (const auto& [key, value] : fresh) {
            const std::string* was = find(before, key);
            if (was && *was == value) continue;
            ++changed;
            std::string line = "Reload: Settings.ini: " + key;
            line += " ";
            line += was ? *was : "(none)";
            line += " -> ";
            line += value;
            if (readAtStartOnly(key)) line += " (applies at the next start)";
            logMessage(line);
        }
        for (const auto& [key, value] : before) {
            if (fresh.count(key)) continue;
            ++changed;
            std::string line = "Reload: Settings.ini: " + key;
            line += " ";
            line += value;
            line += " -> (none)";
            logMessage(line);
        }
        replaceSettings(std::move(fresh));
        readChord();
        if (changed == 0) logMessage("Reload: Settings.ini: nothing changed");
    } else {
        logMessage("ERROR: Reload: " + error + "; the previous settings are kept");
        failure = error;
    }

    // The read-only data files.
    const DataCatalogue::Reloaded data = data_.reloadReadOnly();
    for (const std::string& change : data.changes)
        logMessage("Reload: " + change);
    if (!data.error.empty()) {
        logMessage("ERROR: Reload: " + data.error + "; that file keeps its previous values");
        if (failure.empty()) failure = data.error;
    }
    spawnsPending_ = spawnsPending_ || data.animalSpawnsChanged;
    variationsPending_ = variationsPending_ || data.huntingCompetitionsChanged;
    if (spawnsPending_ || variationsPending_) {
        if (competitions_.info() == nullptr) {
            remakeCompetitionTables();
        } else {
            logMessage(
                "Reload: the competition held now keeps its hunting ground and animal; the new "
                "ones apply from the next competition");
        }
    }

    // Features switched off let go of what they hold.
    if (settingsRead) {
        if (switchedOff(before, "HuntingCompetitions_Enabled")) competitions_.withdraw();
        if (switchedOff(before, "EnableTrading")) trading_.halt();
        if (switchedOff(before, "BaitPlips")) bait_.dropBlips();
        if (switchedOff(before, "DynamicAnimalPopulation")) population_.saveAll();
    }

    showNotification(failure.empty() ? "Brackenfold settings reloaded"
                                     : "Brackenfold: " + failure + " (previous values kept)",
                     kNotificationMs);
    logMessage(failure.empty() ? "Reload: done" : "Reload: done, with the error above");
}

}  // namespace bf
