#include "core/settings.h"

#include <cfloat>
#include <fstream>

#include "core/log.h"
#include "core/runtime.h"
#include "core/text.h"

namespace bf {

const std::vector<SettingKey>& settingsKeys() {
    using T = SettingType;
    // The competition's time cap and stake are clamped where they are read; a negative price
    // scale counts as 0 (every buyer then declines), one that is not finite as 1.0.
    static const std::vector<SettingKey> kKeys = {
        {"EnableTrading", T::Bool, "0"},
        {"PriceScale", T::Float, "1.0", 0.0f, FLT_MAX},
        {"PedsNeverRefuseTradeOffer", T::Bool, "0"},
        {"TradePromptInput", T::String, "INPUT_INTERACT_OPTION1"},
        {"AnimalsBleeding", T::Bool, "1"},
        {"BleedingCausesDamage", T::Bool, "1"},
        {"CollapseOnLowHealth", T::Bool, "1"},
        {"BaitPlips", T::Bool, "1"},
        {"DynamicAnimalSizes", T::Bool, "1"},
        {"DynamicAnimalPopulation", T::Bool, "1"},
        {"HUD_AnimalsWeight", T::Bool, "1"},
        {"HUD_PopulationStatus", T::Bool, "1"},
        {"HUD_HuntingCompetition_TimeLeft", T::Bool, "1"},
        {"HUD_HuntingCompetition_ScoreStatus", T::Bool, "1"},
        {"HUD_HuntingCompetition_ScoreNotification", T::Bool, "1"},
        {"HuntingCompetitions_DeadEyePenalty", T::Bool, "1"},
        {"HuntingCompetitions_StakeMultiplier", T::Float, "1", kStakeMultiplierMin,
         kStakeMultiplierMax},
        {"HuntingCompetitions_BlipType", T::Int, "1"},
        {"HuntingCompetitions_TimeCap", T::Int, "10", kTimeCapMinutesMin, kTimeCapMinutesMax},
        {"HuntingCompetitions_Enabled", T::Bool, "1"},
        {"AnimalSizeByQuality", T::Bool, nullptr},
        {"DisableGrizzlies", T::Bool, nullptr},
        // The flight recorder reads these itself before start-up (core/recorder.h); absent, it
        // is off, stops at 200 MB and marks with Scroll Lock.
        // The key combination that reloads the settings and data files in the game; absent,
        // Ctrl+F10 (spine/settings_reload.h).
        {"Keys_ReloadSettings", T::String, nullptr},
        {"Recorder_Enabled", T::Bool, nullptr},
        {"Recorder_MaxMB", T::Int, nullptr, 1.0f, 1048576.0f},
        {"Recorder_MarkerKey", T::Int, nullptr, 1.0f, 254.0f},
    };
    return kKeys;
}

SettingsDefaults defaultSettings() {
    SettingsDefaults defaults;
    for (const SettingKey& key : settingsKeys()) {
        if (key.defaultValue) defaults.emplace_back(key.key, key.defaultValue);
    }
    return defaults;
}

void loadSettings(const std::string& path, const SettingsDefaults& defaults) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        loadSettingsText({}, defaults);
        logMessage("Unable to load from data file, please make sure it exists.");
        return;
    }
    logMessage("loading settings file: " + path);
    loadSettingsText(readWholeStream(in), defaults);
    logMessage("settings file loaded");
}

void loadSettingsText(std::string_view text, const SettingsDefaults& defaults) {
    SettingsTable& table = runtime().settings;
    table.clear();
    for (const auto& [key, value] : defaults)
        table[key] = value;
    if (isUtf16Text(text)) {
        logMessage(
            "ERROR: Settings.ini is saved as UTF-16 (\"Unicode\"), which cannot be read; every "
            "setting keeps its default. Save it again as UTF-8");
        return;
    }
    std::string line;
    forEachTextLine(text, [&line](std::string_view content) {
        line.assign(content);
        parseSettingsLine(line);
        return true;
    });
}

void parseSettingsLine(const std::string& line) {
    if (line.empty()) return;
    const char first = line.front();
    if (first == '/' || first == ';' || first == '[' || first == '\\') return;
    std::string_view key, value;
    if (!splitKeyValue(line, key, value)) {
        logMessage("cannot parse line: " + line +
                   ", please make sure it is assembled of the correct format "
                   "(<setting_name>=<settings_value>).");
        return;
    }
    SettingsTable& table = runtime().settings;
    if (const auto it = table.find(key); it != table.end()) {
        it->second.assign(value);
    } else {
        table.emplace(key, value);
    }
}

bool readSettingsStrictly(const std::string& path, const SettingsDefaults& defaults,
                          SettingsTable& table, std::string& error) {
    table.clear();
    for (const auto& [key, value] : defaults)
        table[key] = value;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "Settings.ini cannot be opened";
        return false;
    }
    const std::string text = readWholeStream(in);
    if (isUtf16Text(text)) {
        error = "Settings.ini is saved as UTF-16; save it as UTF-8";
        return false;
    }
    int number = 0;
    forEachTextLine(text, [&](std::string_view view) {
        const std::string line(view);
        ++number;
        if (line.empty()) return true;
        const char first = line.front();
        if (first == '/' || first == ';' || first == '[' || first == '\\') return true;
        const auto pieces = splitString(line, '=');
        const std::string where = "Settings.ini line " + std::to_string(number) + ": ";
        if (pieces.size() != 2) {
            error = where + "not KEY=VALUE";
            return false;
        }
        for (const SettingKey& known : settingsKeys()) {
            if (pieces[0] != known.key || pieces[1].empty()) continue;
            try {
                if (known.type == SettingType::Float) {
                    toFloat(pieces[1]);
                } else if (known.type != SettingType::String) {
                    toInt(pieces[1]);
                }
            } catch (const std::exception&) {
                error = where + pieces[0] + "=" + pieces[1] + " is not a number";
                return false;
            }
        }
        table[pieces[0]] = pieces[1];
        return true;
    });
    return error.empty();
}

void replaceSettings(SettingsTable table) {
    runtime().settings = std::move(table);
}

namespace {

const std::string* findSetting(std::string_view key) {
    const SettingsTable& table = runtime().settings;
    const auto it = table.find(key);
    return it == table.end() || it->second.empty() ? nullptr : &it->second;
}

}  // namespace

std::string getSettingString(std::string_view key) {
    const std::string* value = findSetting(key);
    return value ? *value : std::string();
}

int getSettingInt(std::string_view key) {
    const std::string* value = findSetting(key);
    return value ? toIntNamed("Settings.ini", key, *value) : -1;
}

bool getSettingBool(std::string_view key) {
    const std::string* value = findSetting(key);
    if (!value) return false;
    const int number = toIntNamed("Settings.ini", key, *value);
    return number != 0 && number != -1;
}

float getSettingFloat(std::string_view key) {
    const std::string* value = findSetting(key);
    return value ? toFloatNamed("Settings.ini", key, *value) : 0.0f;
}

}  // namespace bf
