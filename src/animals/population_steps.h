// The population's two steps inside the animal event handlers: culling a created animal (after
// its size) and depletion on a kill (after the start of bleeding). The population feature owns
// them; the event handlers only call them in their places.
#pragma once

#include <cstdint>

namespace bf {

class AnimalPopulationManager;
class DictDataFile;

class PopulationSteps {
  public:
    PopulationSteps(AnimalPopulationManager& population, const DictDataFile& generalMeta)
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
