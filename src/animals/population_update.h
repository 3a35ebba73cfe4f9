// The population update of the frame loop (while "DynamicAnimalPopulation" is on): the periodic
// save of the population files on the script timer, then the development check.
//
// A save due on the timer writes one district file per frame (AnimalPopulationManager::saveStep)
// and the characters' files in the frame after the last one; the timer starts again when the save
// is complete. The frame never waits for the disk.
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
    bool saving_ = false;
};

}  // namespace bf
