#include "animals/animal_sizes.h"

#include <algorithm>
#include <array>

#include "animals/population_hooks.h"
#include "core/decorators.h"
#include "core/natives.h"
#include "core/settings.h"
#include "world/peds.h"

namespace bf {

namespace {

float drawScale(int32_t minPercent, int32_t maxPercent) {
    return static_cast<float>(natives::getRandomIntInRange(minPercent, maxPercent) * 0.01);
}

void applySize(int32_t ped, uint32_t model) {
    // The plain draw comes first even when quality then decides, so that the game's random
    // sequence is the same either way.
    float scale = drawScale(70, 130);
    const int32_t quality = natives::getPedQuality(ped);
    if (getSettingBool("AnimalSizeByQuality")) {
        switch (quality) {
            case 0:
                scale = drawScale(70, 85);
                break;
            case 1:
                scale = drawScale(92, 105);
                break;
            case 2:
                scale = drawScale(112, 130);
                break;
            default:
                scale = 1.0f;
        }
    }
    natives::setPedScale(ped, scale);
    natives::updatePedVariation(ped);
    natives::getPedHeight(ped);
    const float weight = animalWeight(modelSizeClass(model), scale);
    natives::decorSetFloat(ped, kDecorScale, scale);
    natives::decorSetFloat(ped, kDecorWeight, weight);
}

}  // namespace

int32_t modelSizeClass(uint32_t model) {
    return natives::getPedModelSizeFromHash(model) + 1;
}

float animalWeight(int32_t sizeClass, float scale) {
    const int32_t k = sizeClass < 2 ? 1 : sizeClass <= 3 ? 25 : 45;
    return static_cast<float>(sizeClass) * static_cast<float>(k) * scale;
}

void handlePedCreated(int32_t ped, PopulationHooks& population) {
    if (!natives::isPedAnimal(ped)) return;
    const uint32_t model = natives::getEntityModel(ped);
    if (natives::isThisModelAHorse(model)) return;
    if (isUntouchedAnimalType(natives::getPedAnimalType(ped))) return;
    // A competition's special animal arrives dressed and sized by the competition.
    if (natives::decorGetInt(ped, kDecorCompetitionAnimalHandled) != 0) return;
    if (!natives::getIsBird(ped) && getSettingBool("DynamicAnimalSizes")) {
        applySize(ped, model);
    }
    if (getSettingBool("DynamicAnimalPopulation")) population.cullCreatedAnimal(ped);
}

}  // namespace bf
