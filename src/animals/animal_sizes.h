// Dynamic animal sizes: every animal the game creates gets a random scale drawn from its quality
// and a weight from that scale and its model's size class, both kept on the ped as the float
// decorators "VX_Brackenfold_Scale" and "VX_Brackenfold_Weight". Domestic and tiny animals (the
// untouched types) and horses keep what the game gave them and are never culled. An animal that
// already carries "VX_Brackenfold_Competition_AnimalHandled" when the game reports it (the special
// animal a competition made and dressed) keeps its size and is never culled either.
#pragma once

#include <cstdint>

namespace bf {

class PopulationHooks;

// The model's size class counted from 1 (1 small to 5 extra large): the game counts from 0.
int32_t modelSizeClass(uint32_t model);
// The weight of an animal of that size class (counted from 1) at that scale, in single precision.
float animalWeight(int32_t sizeClass, float scale);
// The ped-created handler: the gates, the size step, then the population's culling step.
void handlePedCreated(int32_t ped, PopulationHooks& population);

}  // namespace bf
