#include "core/settings.h"

#include <fstream>

#include "core/log.h"
#include "core/runtime.h"
#include "core/text.h"

namespace bf {

SettingsDefaults defaultSettings() {
    return {
        {"EnableTrading", "0"},
        {"PriceScale", "1.0"},
        {"PedsNeverRefuseTradeOffer", "0"},
        {"TradePromptInput", "INPUT_INTERACT_OPTION1"},
        {"AnimalsBleeding", "1"},
        {"BleedingCausesDamage", "1"},
        {"CollapseOnLowHealth", "1"},
        {"BaitPlips", "1"},
        {"DynamicAnimalSizes", "1"},
        {"DynamicAnimalPopulation", "1"},
        {"HUD_AnimalsWeight", "1"},
        {"HUD_PopulationStatus", "1"},
        {"HUD_HuntingCompetition_TimeLeft", "1"},
        {"HUD_HuntingCompetition_ScoreStatus", "1"},
        {"HUD_HuntingCompetition_ScoreNotification", "1"},
        {"HuntingCompetitions_DeadEyePenalty", "1"},
        {"HuntingCompetitions_StakeMultiplier", "1"},
        {"HuntingCompetitions_BlipType", "1"},
        {"HuntingCompetitions_TimeCap", "10"},
        {"HuntingCompetitions_Enabled", "1"},
    };
}

void loadSettings(const std::string& path, const SettingsDefaults& defaults) {
    SettingsTable& table = runtime().settings;
    table.clear();
    for (const auto& [key, value] : defaults)
        table[key] = value;

    std::ifstream in(path);
    if (!in) {
        logMessage("Unable to load from data file, please make sure it exists.");
        return;
    }
    logMessage("loading settings file: " + path);
    forEachFileLine(in, [](const std::string& line) {
        parseSettingsLine(line);
        return true;
    });
    logMessage("settings file loaded");
}

void parseSettingsLine(const std::string& line) {
    if (line.empty()) return;
    const char first = line.front();
    if (first == '/' || first == ';' || first == '[' || first == '\\') return;
    const auto pieces = splitString(line, '=');
    if (pieces.size() != 2) {
        logMessage("cannot parse line: " + line +
                   ", please make sure it is assembled of the correct format "
                   "(<setting_name>=<settings_value>).");
        return;
    }
    runtime().settings[pieces[0]] = pieces[1];
}

namespace {

const std::string* findSetting(std::string_view key) {
    const SettingsTable& table = runtime().settings;
    const auto it = table.find(key);
    return it == table.end() || it->second.empty() ? nullptr : &it->second;
}

template <class Convert>
auto convertSetting(std::string_view key, const std::string& value, Convert convert) {
    return convertNamed("Settings.ini", key, value, convert);
}

}  // namespace

std::string getSettingString(std::string_view key) {
    const std::string* value = findSetting(key);
    return value ? *value : std::string();
}

int getSettingInt(std::string_view key) {
    const std::string* value = findSetting(key);
    return value ? convertSetting(key, *value, toInt) : -1;
}

bool getSettingBool(std::string_view key) {
    const std::string* value = findSetting(key);
    if (!value) return false;
    const int number = convertSetting(key, *value, toInt);
    return number != 0 && number != -1;
}

float getSettingFloat(std::string_view key) {
    const std::string* value = findSetting(key);
    return value ? convertSetting(key, *value, toFloat) : 0.0f;
}

}  // namespace bf
