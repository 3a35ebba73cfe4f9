// The population's two hooks in the animal event handlers: culling an animal the game created
// (called after its size is set) and depletion on a kill (called after bleeding has started).
// The population feature owns them; the event handlers only call them in their places. Both do
// nothing while "DynamicAnimalPopulation" is off.
#pragma once

#include <cstdint>

namespace bf {

class AnimalPopulationManager;
class DictDataFile;

class PopulationHooks {
  public:
    PopulationHooks(AnimalPopulationManager& population, const DictDataFile& generalMeta)
        : population_(population), generalMeta_(generalMeta) {}

    // Called for an animal the game created, once the sizes are done and only while
    // "DynamicAnimalPopulation" is on.
    void cullCreatedAnimal(int32_t ped);
    // Called for every damaged entity that still exists, after the start of bleeding.
    void depleteOnKill(int32_t entity);

  private:
    AnimalPopulationManager& population_;
    const DictDataFile& generalMeta_;
};

}  // namespace bf
