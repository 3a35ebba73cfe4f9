#include "animals/animal_sizes.h"

#include <algorithm>
#include <array>

#include "animals/population_steps.h"
#include "core/decorators.h"
#include "core/natives.h"
#include "core/settings.h"

namespace bf {

namespace {

constexpr std::array<uint32_t, 13> kUntouchedTypes = {
    0x59F5325D, 0x373AD87A, 0xDC04C5CD, 0xB126EFB8, 0x9EB70D63, 0xBD2169A5, 0x714FAE8F,
    0x0FFDB5B2, 0x67D66C41, 0x738F36B2, 0x899E92E0, 0x2EC2783A, 0xB0672438};

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
    natives::refreshPedBody(ped);
    const float weight = animalWeight(natives::getModelSizeClass(model), scale);
    natives::decorSetFloat(ped, kDecorScale, scale);
    natives::decorSetFloat(ped, kDecorWeight, weight);
}

}  // namespace

bool isUntouchedAnimalType(uint32_t type) {
    return std::find(kUntouchedTypes.begin(), kUntouchedTypes.end(), type) != kUntouchedTypes.end();
}

float animalWeight(int32_t sizeClass, float scale) {
    const int32_t k = sizeClass < 2 ? 1 : sizeClass <= 3 ? 25 : 45;
    return static_cast<float>(sizeClass) * static_cast<float>(k) * scale;
}

void handlePedCreated(int32_t ped, PopulationSteps& population) {
    if (!natives::isPedAnimal(ped)) return;
    const uint32_t model = natives::getEntityModel(ped);
    if (natives::isThisModelAHorse(model)) return;
    if (isUntouchedAnimalType(natives::getPedAnimalType(ped))) return;
    if (!natives::isPedSizeFixed(ped) && getSettingBool("DynamicAnimalSizes")) {
        applySize(ped, model);
    }
    if (getSettingBool("DynamicAnimalPopulation")) population.cullCreatedAnimal(ped);
}

}  // namespace bf
