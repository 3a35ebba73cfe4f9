#include "animals/population_steps.h"

namespace bf {

// The population store does not exist yet: nothing is culled and no kill is counted.
void cullCreatedAnimal(int32_t) {}
void depleteOnKill(int32_t) {}

}  // namespace bf
