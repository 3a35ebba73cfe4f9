// Fuzz target: a population file (a district's factors or a character's development) as the
// plug-in reads it, from memory: leniently, so that no value of it can stop the script. Every read
// a population file gets must not throw; a factor it keeps is a usable one; storing each read
// value back and writing the file gives a text that reads back to the same values.
#include <cmath>
#include <cstdlib>

#include "data/dict_data_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view content = fuzz::input(data, size);
    const std::vector<std::string_view> keys = fuzz::keysOf(content);
    bf::DictDataFile file("Brackenfold/AnimalsPopulation/-512529193.dat");
    file.readBadValuesAsAbsent();
    static_cast<void>(file.loadText(content));
    for (const std::string_view key : keys) {
        const float factor = file.getFloat(key, -999.0f);
        if (!std::isfinite(factor)) std::abort();
        // As the store keeps a factor it reads, or resets it to 1.
        file.setFloat(key, factor > 0.0f && factor <= 1.0f ? factor : 1.0f);
    }
    const float development = file.getFloat("development_factor", -999.0f);
    if (!std::isfinite(development)) std::abort();
    file.setFloat("development_factor", development >= 1.0f ? std::fmin(development, 1e30f) : 1.0f);
    file.setInt("last_development_timestamp", file.getInt("last_development_timestamp", -999));

    const std::string written = file.text();
    bf::DictDataFile again("Brackenfold/AnimalsPopulation/-512529193.dat");
    again.readBadValuesAsAbsent();
    if (!again.loadText(written) || !again.damage().empty()) std::abort();
    for (const std::string_view key : keys) {
        if (again.getFloat(key, -1.0f) != file.getFloat(key, -1.0f)) std::abort();
    }
    if (again.getFloat("development_factor", -1.0f) != file.getFloat("development_factor", -1.0f))
        std::abort();
    return 0;
}
