#include "world/owned.h"

#include "core/natives.h"

namespace bf {

void BlipTraits::free(int32_t blip) {
    if (natives::doesBlipExist(blip)) natives::removeBlip(&blip);
}

void PedTraits::free(int32_t ped) {
    if (natives::doesEntityExist(ped)) natives::deleteEntity(&ped);
}

void PedTraits::handBack(int32_t ped) {
    if (natives::doesEntityExist(ped)) natives::setEntityAsNoLongerNeeded(&ped);
}

void ScenarioPointTraits::free(int32_t point) {
    natives::deleteScenarioPoint(point);
}

void ItemSetTraits::free(int32_t itemset) {
    natives::destroyItemset(itemset);
}

}  // namespace bf
