// Fuzz target: HuntingCompetitions.dat from memory, its special animals read as start-up reads
// them. Nothing may escape, and every variation read has a competition animal's model and its
// size, health and outfit in their ranges.
#include <algorithm>
#include <cstdlib>

#include "competitions/competition_variations.h"
#include "data/dict_data_file.h"
#include "data/text_keys.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bf::DictDataFile file("Brackenfold/HuntingCompetitions.dat");
    if (!file.loadText(fuzz::input(data, size))) return 0;
    bf::CompetitionVariations variations;
    variations.load(file);
    using V = bf::CompetitionVariations;
    for (const bf::CompetitionVariation& v : variations.all()) {
        if (!(v.scale >= V::kMinScale && v.scale <= V::kMaxScale) ||
            !(v.health >= V::kMinHealth && v.health <= V::kMaxHealth) || v.outfit < 0 ||
            std::find(bf::kCompetitionAnimalModels.begin(), bf::kCompetitionAnimalModels.end(),
                      v.model) == bf::kCompetitionAnimalModels.end())
            std::abort();
    }
    return 0;
}
