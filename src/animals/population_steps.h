// The population's two steps inside the animal event handlers: culling a created animal (after
// its size) and depletion on a kill (after the start of bleeding). The population feature owns
// them; the event handlers only call them in their places.
#pragma once

#include <cstdint>

namespace bf {

// Called for an animal the game created, once the sizes are done and only while
// "DynamicAnimalPopulation" is on.
void cullCreatedAnimal(int32_t ped);
// Called for every damaged entity that still exists, after the start of bleeding.
void depleteOnKill(int32_t entity);

}  // namespace bf
