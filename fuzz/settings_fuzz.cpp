// Fuzz target: Settings.ini as a player might leave it, read from memory. Reading it and every key
// read as its feature reads it must never crash, hang or throw anything but the two documented
// conversion errors, and a file can change values, never remove keys.
#include <cstdlib>

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
    for (const auto& [key, value] : defaults) {
        if (bf::runtime().settings.count(key) == 0) std::abort();
    }
    // Nothing kept from one input to the next: a run that frees what it allocated needs no leak
    // check of its own from libFuzzer.
    bf::runtime().settings.clear();
    return 0;
}
