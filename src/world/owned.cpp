#include "world/owned.h"

#include <string>

#include "core/frame_tally.h"
#include "core/log.h"
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

void PropSetTraits::free(int32_t propSet) {
    natives::deletePropSet(propSet);
}

void PropSetTraits::handBack(int32_t propSet) {
    natives::releasePropSet(propSet);
}

OwnedPropSet createPropSet(const char* name, Vector3 position) {
    const uint32_t hash = natives::getHashKey(name);
    natives::requestPropSet(hash);
    const uint32_t start = natives::getGameTimer();
    while (!natives::hasPropSetLoaded(hash)) {
        // A set the game never loads must not stall every feature for good.
        if (static_cast<int32_t>(natives::getGameTimer() - start) >= kPropSetLoadTimeoutMs) {
            logMessage(std::string("ERROR: prop set ") + name + " did not load");
            return {};
        }
        waitForGame(0);
    }
    return OwnedPropSet(natives::createPropSet(hash, position, 0.0f));
}

void ItemSetTraits::free(int32_t itemset) {
    natives::destroyItemset(itemset);
}

}  // namespace bf
