// Fuzz target: Settings.ini as a player might leave it, read from memory. Reading it and every key
// read as its feature reads it must never crash, hang or throw anything but the two documented
// conversion errors, and a file can change values, never remove keys.
#include <cstdlib>
#include <string_view>
#include <unordered_set>

#include "core/runtime.h"
#include "core/settings.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::input(data, size);
    static const bf::SettingsDefaults defaults = bf::defaultSettings();
    bf::loadSettingsText(text, defaults);
    // Every key as its feature reads it.
    for (const bf::SettingKey& key : bf::settingsKeys()) {
        switch (key.type) {
            case bf::SettingType::Bool:
                fuzz::tolerate([&] { static_cast<void>(bf::getSettingBool(key.key)); });
                break;
            case bf::SettingType::Int:
                fuzz::tolerate([&] { static_cast<void>(bf::getSettingInt(key.key)); });
                break;
            case bf::SettingType::Float:
                fuzz::tolerate([&] { static_cast<void>(bf::getSettingFloat(key.key)); });
                break;
            case bf::SettingType::String:
                static_cast<void>(bf::getSettingString(key.key));
                break;
        }
    }
    // Every default's key is still there: counted over the table by hash, since the table's own
    // lookups compare strings, and each of those costs libFuzzer's compare hook.
    static const std::unordered_set<std::string_view> defaultKeys = [] {
        std::unordered_set<std::string_view> keys;
        for (const auto& [key, value] : defaults)
            keys.insert(key);
        return keys;
    }();
    size_t kept = 0;
    for (const auto& [key, value] : bf::runtime().settings)
        kept += defaultKeys.count(key);
    if (kept != defaultKeys.size()) std::abort();
    // Nothing kept from one input to the next: a run that frees what it allocated needs no leak
    // check of its own from libFuzzer.
    bf::runtime().settings.clear();
    return 0;
}
