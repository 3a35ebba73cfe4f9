// Fuzz target: the numbers a trade is paid by, from memory: AnimalPrices.dat read as the buyer
// reads each price, and the same text as GeneralMeta.dat read through the table of tuning keys.
// A price read is one from 0 to 10000 dollars; a tuning value read lies in its key's range (or is
// its default); only a word where a number belongs may throw.
#include <cmath>
#include <cstdlib>

#include "data/dict_data_file.h"
#include "data/tuning.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view content = fuzz::input(data, size);
    bf::DictDataFile prices("Brackenfold/AnimalPrices.dat");
    if (!prices.loadText(content)) return 0;
    for (const std::string_view item : fuzz::keysOf(content)) {
        fuzz::tolerate([&] {
            const auto price = prices.getFloatWithin(item, 0.0f, 10000.0f, "read as absent");
            if (price && !(*price >= 0.0f && *price <= 10000.0f)) std::abort();
        });
    }
    for (const bf::TuningKey& key : bf::tuningKeys()) {
        const auto tuning = static_cast<bf::Tuning>(&key - bf::tuningKeys().data());
        fuzz::tolerate([&] {
            const float value = key.isFloat ? bf::tuningFloat(prices, tuning)
                                            : static_cast<float>(bf::tuningInt(prices, tuning));
            const bool isDefault =
                value == key.defaultValue || (std::isnan(value) && std::isnan(key.defaultValue));
            if (!isDefault && !(value >= key.minimum && value <= key.maximum)) std::abort();
        });
    }
    return 0;
}
