// Fuzz target: a key=value data file as a player might leave it, read from memory. Loading it,
// every lookup over the keys it holds (ranged ones too) and position lists with any count must
// never crash, hang or throw anything but the documented conversion errors; what a loaded file
// writes reads back as the same entries. (Lenient reads are the population target's.)
#include <cstdlib>

#include "data/dict_data_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view content = fuzz::input(data, size);
    const std::vector<std::string_view> keys = fuzz::keysOf(content);

    bf::DictDataFile strict("Brackenfold/Input.dat");
    const bool loaded = strict.loadText(content);
    // One lookup of each key, which one by the key's length: over the inputs every lookup meets
    // every kind of value, and an input costs one lookup per key (a word costs an exception).
    for (const std::string_view key : keys) {
        switch (key.size() % 6) {
            case 0:
                fuzz::tolerate([&] { static_cast<void>(strict.getInt(key, -999)); });
                break;
            case 1:
                fuzz::tolerate([&] { static_cast<void>(strict.getFloat(key, -999.0f)); });
                break;
            case 2:
                fuzz::tolerate([&] { static_cast<void>(strict.getBool(key)); });
                break;
            case 3:
                fuzz::tolerate([&] { static_cast<void>(strict.getVector3(key)); });
                break;
            case 4:
                fuzz::tolerate([&] {
                    const auto value = strict.getFloatWithin(key, -10.0f, 10.0f, "absent");
                    if (value && !(*value >= -10.0f && *value <= 10.0f)) std::abort();
                });
                break;
            default:
                fuzz::tolerate(
                    [&] { static_cast<void>(strict.getIntWithin(key, 0, 100, "absent")); });
        }
        const size_t dot = key.rfind(".count");
        if (dot != std::string_view::npos && dot + 6 == key.size()) {
            fuzz::tolerate([&] { static_cast<void>(strict.getVector3List(key.substr(0, dot))); });
        }
    }

    if (loaded) {
        strict.setValue("zz_written_back", "1");
        const std::string written = strict.text();
        bf::DictDataFile again("Brackenfold/Input.dat");
        if (!again.loadText(written)) std::abort();
        for (const std::string_view key : keys) {
            if (again.getString(key) != strict.getString(key)) std::abort();
        }
    }
    return 0;
}
