// Fuzz target: a population file (a district's factors or a character's development) as the
// plug-in reads it, from memory: leniently, so that no value of it can stop the script. Every read
// a population file gets must not throw; a factor it keeps is a usable one; storing each read
// value back and writing the file gives a text that reads back to the same entries, each giving
// the number stored.
#include <cmath>
#include <cstdlib>

#include "data/dict_data_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view content = fuzz::input(data, size);
    bf::DictDataFile file("Brackenfold/AnimalsPopulation/-512529193.dat");
    file.readBadValuesAsAbsent();
    static_cast<void>(file.loadText(content));
    const float development = file.getFloat("development_factor", -999.0f);
    if (!std::isfinite(development)) std::abort();
    file.setFloat("development_factor", development >= 1.0f ? std::fmin(development, 1e30f) : 1.0f);
    file.setInt("last_development_timestamp", file.getInt("last_development_timestamp", -999));
    // Every key the file holds, read and stored back as the store does (a stored value replaces
    // the entry's, so the walk goes over the same entries).
    std::vector<float> stored;
    stored.reserve(file.entryCount());
    for (const auto& entry : file.entries()) {
        const std::string& key = entry.first;
        const float factor = file.getFloat(key, -999.0f);
        if (!std::isfinite(factor)) std::abort();
        // As the store keeps a factor it reads, or resets it to 1.
        stored.push_back(factor > 0.0f && factor <= 1.0f ? factor : 1.0f);
        file.setFloat(key, stored.back());
    }

    const std::string written = file.text();
    bf::DictDataFile again("Brackenfold/AnimalsPopulation/-512529193.dat");
    again.readBadValuesAsAbsent();
    if (!again.loadText(written) || !again.damage().empty()) std::abort();
    // Every value is set, so every entry is written: the copy holds the same texts, and each
    // reads as the number stored (walked beside the list of them, without a lookup per key).
    if (again.entries() != file.entries()) std::abort();
    size_t index = 0;
    for (const auto& entry : again.entries()) {
        float number = 0.0f;
        if (bf::readFloat(entry.second.c_str(), number) != bf::NumberFault::None ||
            number != stored[index++])
            std::abort();
    }
    return 0;
}
