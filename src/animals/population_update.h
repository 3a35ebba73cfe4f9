// The population update of the frame loop (while "DynamicAnimalPopulation" is on): the periodic
// save of the population files on the script timer, then the development check.
#pragma once

#include <cstdint>

namespace bf {

class AnimalPopulationManager;
class DictDataFile;

// Clock A units between two developments (one game day).
inline constexpr int32_t kDevelopmentPeriod = 86400;

class PopulationUpdater {
  public:
    PopulationUpdater(AnimalPopulationManager& population, const DictDataFile& generalMeta)
        : population_(population), generalMeta_(generalMeta) {}

    void update();

  private:
    void saveWhenDue();
    void developWhenDue();

    AnimalPopulationManager& population_;
    const DictDataFile& generalMeta_;
};

}  // namespace bf
