#include "trading/trade_conditions.h"

#include "core/decorators.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "world/game_ops.h"
#include "world/peds.h"

namespace bf {

namespace {
constexpr int32_t kZoneTown = 1;
}

int32_t findTradeTarget() {
    int32_t target = 0;
    if (!natives::getPlayerTargetEntity(runtime().playerIndex, &target)) return 0;
    return target;
}

int32_t getPlayerHorse(int32_t ped) {
    int32_t horse = 0;
    if (natives::isPedOnMount(ped)) {
        horse = natives::getMount(ped);
    } else if (natives::isPedLeadingHorse(ped)) {
        horse = natives::getLedHorse(ped);
    }
    if (horse == 0 || !natives::doesEntityExist(horse) || natives::isEntityDead(horse) ||
        natives::isPedInjured(horse)) {
        return 0;
    }
    return horse;
}

bool canPlayerTrade() {
    if (natives::isLawIncidentActive(runtime().playerIndex)) return false;
    if (natives::isPlayerDead(runtime().playerIndex)) return false;
    if (natives::getMissionFlag()) return false;
    const int32_t horse = getPlayerHorse(runtime().playerPed);
    return horse != 0 && natives::isPedCarryingSomething(horse);
}

bool isPedTradeable(int32_t ped) {
    namespace n = natives;
    const int32_t player = runtime().playerPed;
    if (n::isEntityDead(ped) || !n::isEntityAPed(ped) || !n::isPedHuman(ped)) return false;
    if (n::isPedInAnyVehicle(ped)) return false;
    if (n::getInteriorFromEntity(ped) || n::isPedFleeing(ped) || n::isPedShooting(ped) ||
        n::isPedRagdoll(ped)) {
        return false;
    }
    if (n::isPedInCombat(ped, player) || n::isPedInMeleeCombat(ped)) return false;
    if (n::getMapZoneAtCoords(entityPosition(ped), kZoneTown) != 0) return false;
    if (n::isPedHogtied(ped) || n::isPedFalling(ped) || n::isPedLassoed(ped)) return false;
    if (n::isPedInCover(ped)) return false;
    if (n::decorGetInt(ped, kDecorUntradeable) != 0) return false;
    if (n::isPedGoingIntoCover(ped)) return false;
    if (n::getPedGroupIndex(ped) == n::getPedGroupIndex(player)) return false;
    if (n::isPedInAnyTrain(ped) || n::isPedInAnyBoat(ped) || n::isPedRunning(ped) ||
        n::isPedSprinting(ped)) {
        return false;
    }
    if (isLawman(ped)) return false;
    return !n::isPedCuffed(ped);
}

}  // namespace bf
