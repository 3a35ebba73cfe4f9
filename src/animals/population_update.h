// The population update of the frame loop (while "DynamicAnimalPopulation" is on): the periodic
// save of the population files on the script timer, then the development check.
#pragma once

#include <cstdint>

namespace bf {

class AnimalPopulationManager;

// Clock A units between two developments (one game day).
inline constexpr int32_t kDevelopmentPeriod = 86400;

void updatePopulation(AnimalPopulationManager& population);

}  // namespace bf
