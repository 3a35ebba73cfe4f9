// Fuzz target: Settings.ini as a player might leave it. Reading it and every reader over every key
// it names (and the built-in ones) must never crash, hang or throw anything but the two documented
// conversion errors.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

#include "core/runtime.h"
#include "core/settings.h"

namespace {

const std::string& inputPath() {
    static const std::string path = "settings-fuzz-" + std::to_string(::getpid()) + ".ini";
    return path;
}

void readEveryWay(std::string_view key) {
    try {
        static_cast<void>(bf::getSettingInt(key));
    } catch (const std::invalid_argument&) {
    } catch (const std::out_of_range&) {
    }
    try {
        static_cast<void>(bf::getSettingFloat(key));
    } catch (const std::invalid_argument&) {
    } catch (const std::out_of_range&) {
    }
    try {
        static_cast<void>(bf::getSettingBool(key));
    } catch (const std::invalid_argument&) {
    } catch (const std::out_of_range&) {
    }
    static_cast<void>(bf::getSettingString(key));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream out(inputPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    bf::runtime().settings.clear();
    const bf::SettingsDefaults defaults = bf::defaultSettings();
    bf::loadSettings(inputPath(), defaults);
    for (const auto& [key, value] : defaults)
        readEveryWay(key);
    const bf::SettingsTable table = bf::runtime().settings;
    for (const auto& [key, value] : table)
        readEveryWay(key);
    // Every default key is still there: a file can change values, never remove keys.
    for (const auto& [key, value] : defaults) {
        if (bf::runtime().settings.count(key) == 0) std::abort();
    }
    return 0;
}
