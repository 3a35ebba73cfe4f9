#include "trading/buyer_tasks.h"

#include <array>

#include "core/natives.h"
#include "core/runtime.h"
#include "trading/cargo_appraisal.h"
#include "trading/trade_offer.h"
#include "world/game_ops.h"
#include "world/owned.h"
#include "world/peds.h"
#include "world/task_sequence.h"

namespace bf {

namespace {

constexpr uint32_t kUnarmed = 0xA2719263;
constexpr float kHitchingPostRadius = 5.0f;
constexpr float kRideAwayDistance = 100.0f;
constexpr std::array<const char*, 3> kRefusalLines = {"GENERIC_NO", "NICE_KILL_GENERAL",
                                                      "IGNORING_YOU"};

// 100 m ahead of where the buyer faces.
Vector3 rideAwayTarget(int32_t buyer) {
    const Vector3 position = entityPosition(buyer);
    return position + entityDirection(buyer) * kRideAwayDistance;
}

void addRideAway(int32_t mount, Vector3 target) {
    natives::taskMountAnimal(0, mount);
    natives::taskWanderInArea(0, target, 200.0f, 10.0f, 10.0f, 1);
}

}  // namespace

void sendBuyerToHorse(const TradeOffer& offer) {
    const int32_t player = runtime().playerPed;
    const int32_t post = natives::findScenarioOfTypeHash(playerPosition(), kHitchingPostRadius,
                                                         gameHash("PROP_HITCHINGPOST"));
    natives::setCurrentPedWeapon(player, kUnarmed, false);
    natives::setCurrentPedWeapon(offer.buyer, kUnarmed, false);

    {
        OwnedTaskSequence sequence;
        natives::taskSwapWeapon(0, 1, 1);
        if (natives::isPedOnMount(player)) {
            if (post != 0) {
                natives::taskHitchAnimal(0, post);
            } else {
                natives::taskDismountAnimal(0);
                natives::taskLeadHorse(0, offer.horse);
            }
        }
        sequence.close();
        sequence.giveTo(player);
    }

    OwnedTaskSequence sequence;
    natives::taskSwapWeapon(0, 1, 1);
    natives::taskLookAtEntity(0, player, -1, 0, 0, 0);
    natives::taskSeekClearLosToEntity(0, player, 15.0f, 1.5f);
    natives::taskGoToEntity(0, offer.horse, -1, 3.0f, 1.5f);
    natives::taskTurnPedToFaceEntity(0, player, -1);
    sequence.close();
    natives::clearPedTasks(offer.buyer);
    sequence.giveTo(offer.buyer);
}

void walkBuyerToHorseAgain(const TradeOffer& offer) {
    OwnedTaskSequence sequence;
    natives::taskGoToEntity(0, offer.horse, -1, 3.0f, 1.5f);
    natives::taskTurnPedToFaceEntity(0, runtime().playerPed, -1);
    sequence.close();
    sequence.giveTo(offer.buyer);
}

int32_t inspectCargo(int32_t buyer, int32_t horse, const CargoAppraiser& appraiser) {
    OwnedItemSet cargo(natives::createItemset(true));
    natives::findAllAttachedCarriableEntities(horse, cargo.get());
    const int32_t count = natives::getItemsetSize(cargo.get());
    OwnedTaskSequence sequence;
    int32_t best = 0;
    float bestScore = 0.0f;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t entity = natives::getIndexedItemInItemset(i, cargo.get());
        const float score = appraiser.calculateEntityScore(entity);
        if (score >= bestScore) {
            best = entity;
            bestScore = score;
        }
        if (i > 0 && randomInt(0, 2) == 0) continue;
        natives::taskLookAtEntity(0, entity, -1, 0, 0, 0);
        natives::taskGoToEntity(0, entity, -1, 0.8f, 1.25f);
        natives::taskTurnPedToFaceEntity(0, entity, 1000);
        const uint32_t inspect = gameHash("WORLD_HUMAN_INSPECT");
        natives::taskStartScenarioInPlace(0, inspect, randomInt(2000, 4000));
    }
    natives::taskClearLookAt(0);
    sequence.close();
    sequence.giveTo(buyer);
    cargo.reset();
    return randomInt(0, 2) != 0 ? best : 0;
}

void concludeSale(int32_t buyer, int32_t entity, int32_t mount) {
    OwnedTaskSequence sequence;
    natives::taskPickupCarriableEntity(0, entity);
    if (mount != 0 && !natives::isEntityDead(mount)) {
        const Vector3 target = rideAwayTarget(buyer);
        // Given to the buyer himself while the sequence is open, as the trade always has.
        natives::taskPlaceCarriedEntityOnMount(buyer, entity, mount);
        addRideAway(mount, target);
    } else {
        natives::taskWanderStandard(0, 10.0f, 10);
    }
    sequence.close();
    sequence.giveTo(buyer);
}

void sendBuyerAway(int32_t buyer, int32_t mount) {
    if (mount != 0 && natives::doesEntityExist(mount) && !natives::isEntityDead(mount)) {
        const Vector3 target = rideAwayTarget(buyer);
        OwnedTaskSequence sequence;
        addRideAway(mount, target);
        sequence.close();
        sequence.giveTo(buyer);
        return;
    }
    natives::taskWanderStandard(buyer, 10.0f, 10);
}

void sayRefusal(int32_t ped, bool clear) {
    if (clear) natives::clearPedTasks(ped);
    const int32_t line = randomInt(0, static_cast<int32_t>(kRefusalLines.size()));
    // A draw outside the range (which the game does not make) must not read past the table.
    playSpeech(ped, kRefusalLines[line >= 0 && line < 3 ? static_cast<size_t>(line) : 0], nullptr);
}

}  // namespace bf
