#include "animals/population_hooks.h"

#include "animals/animal_population.h"
#include "animals/animal_sizes.h"
#include "core/decorators.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/zones.h"
#include "data/dict_data_file.h"
#include "data/tuning.h"
#include "world/game_ops.h"
#include "world/peds.h"

namespace bf {

namespace {

// The game agrees that the ped died of its wounds: dead, killed by damage, and a carcass.
bool isKill(int32_t ped) {
    return natives::isEntityDead(ped) && natives::getPedTimeOfDeath(ped) &&
           natives::getAnimalIsWild(ped);
}

uint32_t districtAt(int32_t ped) {
    return natives::getMapZoneAtCoords(entityPosition(ped), kZoneDistrict);
}

}  // namespace

void PopulationHooks::cullCreatedAnimal(int32_t ped) {
    if (!getSettingBool("DynamicAnimalPopulation")) return;
    // A competition's own animals stay until its clean-up: it made them to be hunted.
    if (natives::decorGetInt(ped, kDecorCompetitionAnimal) != 0) return;
    const uint32_t district = districtAt(ped);
    const uint32_t type = natives::getPedAnimalType(ped);
    if (district == 0 || type == 0) return;
    const float factor = population_.effectiveFactor(district, type);
    if (factor <= 0.0f) return;
    // A uniform draw in [0, 1): the animal stays with the probability of the factor, so a full
    // population (1.0) never loses one.
    if (factor >= natives::getRandomFloatInRange(0.0f, 1.0f)) return;
    const char* name = natives::getStringFromHash(type);
    logMessage("deleting animal ped of type: " + std::string(name ? name : "") +
               " (hash: " + signedId(type) + "). district id: " + signedId(district) +
               ". updated factor: " + formatFactor(factor));
    natives::deleteEntity(&ped);
}

void PopulationHooks::depleteOnKill(int32_t entity) {
    if (!getSettingBool("DynamicAnimalPopulation")) return;
    if (!natives::isPedAnimal(entity) || !isKill(entity)) return;
    if (natives::isThisModelAHorse(natives::getEntityModel(entity))) return;
    if (isUntouchedAnimalType(natives::getPedAnimalType(entity))) return;
    // The rival hunts for the contest, not from the district's stock.
    const int32_t killer = natives::getPedSourceOfDeath(entity);
    if (killer != 0 && natives::decorGetInt(killer, kDecorCompetitionRival) != 0) return;
    const uint32_t district = districtAt(entity);
    const uint32_t type = natives::getPedAnimalType(entity);
    if (district == 0 || type == 0) return;
    population_.deplete(district, type, tuningFloat(generalMeta_, Tuning::DepletionRate));
}

}  // namespace bf
