// The population's clock in the frame loop (driven while "DynamicAnimalPopulation" is on): the
// periodic save of the population files on the script timer, then the development of the active
// character, once a game day on clock A.
//
// A save due on the timer writes one district file per frame (AnimalPopulationManager::saveStep)
// and the characters' files in the frame after the last one; the timer starts again when the save
// is complete. The frame never waits for the disk. A character file without a development stamp
// ("last_development_timestamp") is stamped with the clock at its first frame; from then on the
// development comes when kDevelopmentPeriod has passed since the stamp.
#pragma once

#include <cstdint>

namespace bf {

class AnimalPopulationManager;
class DictDataFile;

// Clock A units between two developments (one game day).
inline constexpr int32_t kDevelopmentPeriod = 86400;

class PopulationClock {
  public:
    PopulationClock(AnimalPopulationManager& population, const DictDataFile& generalMeta)
        : population_(population), generalMeta_(generalMeta) {}

    // Once per frame, after trading, while "DynamicAnimalPopulation" is on (the spine reads that
    // gate): the save when due, then the development when due.
    void onFrame();

  private:
    void saveWhenDue();
    void developWhenDue();

    AnimalPopulationManager& population_;
    const DictDataFile& generalMeta_;
    bool saving_ = false;
};

}  // namespace bf
