#include "competitions/hunt_task.h"

#include "competitions/competition_geometry.h"
#include "competitions/hunter_moves.h"
#include "core/natives.h"
#include "world/game_ops.h"
#include "world/owned.h"
#include "world/peds.h"

namespace bf {

HuntTask::HuntTask(int32_t hunter, int32_t animal, Vector3 areaCentre, float reach,
                   float roamRadius)
    : AsyncPedTask(hunter),
      animal_(animal),
      reach_(reach),
      roamRadius_(roamRadius),
      areaCentre_(areaCentre) {}

bool HuntTask::hasFailed() {
    return state_ == kDone || natives::isEntityDead(getPed());
}

void HuntTask::step() {
    if (state_ == kDone || !animalStillHunted()) return;
    switch (state_) {
        case kRoam:
            performRoam(getPed(), areaCentre_, roamRadius_, kRoamStealth);
            state_ = kSearch;
            break;
        case kSearch:
            search();
            break;
        case kSpot:
            spot();
            break;
        case kConfirm:
            confirm();
            break;
        case kStalkAndShoot:
            performStalkAndShoot(getPed(), animal_, reach_);
            state_ = kShooting;
            sleepFor(kShootSleepMs);
            break;
        case kShooting:
            shooting();
            break;
        case kRest:
            if (reached(waitUntil_)) state_ = kRoam;
            break;
        default:
            break;
    }
}

bool HuntTask::animalStillHunted() {
    if (!natives::doesEntityExist(animal_)) {
        natives::setPedStealth(getPed(), 0.0f);
        state_ = kDone;
        return false;
    }
    if (!natives::isEntityDead(animal_)) return true;
    if (natives::getCarrierAsPed(animal_)) done();
    return false;
}

void HuntTask::done() {
    const int32_t hunter = getPed();
    natives::taskSetCrouchMovement(hunter, false);
    natives::setPedStealth(hunter, 0.0f);
    state_ = kDone;
}

void HuntTask::search() {
    inReach_ = spaceDistance(entityPosition(getPed()), entityPosition(animal_)) <= reach_;
    waitUntil_ = now() + kSpotMs;
    state_ = kSpot;
    sleepFor(kSearchSleepMs);
}

void HuntTask::spot() {
    if (reached(waitUntil_)) {
        state_ = kSearch;
        return;
    }
    const int32_t hunter = getPed();
    if (!inReach_ || !natives::canPedSeeEntity(hunter, animal_)) return;
    waitUntil_ = now() + kConfirmMs;
    state_ = kConfirm;
    OwnedTaskSequence sequence;
    natives::taskTurnPedToFaceEntity(0, animal_);
    sequence.performBy(hunter);
}

void HuntTask::confirm() {
    if (!reached(waitUntil_)) return;
    if (natives::canPedSeeEntity(getPed(), animal_)) {
        state_ = kStalkAndShoot;
        waitUntil_ = 0;
    } else {
        state_ = kRoam;
    }
}

void HuntTask::shooting() {
    const int32_t hunter = getPed();
    if (!natives::isPedShooting(hunter) && !natives::canPedSeeEntity(hunter, animal_)) {
        playSpeech(hunter, "GENERIC_CURSE_MED", nullptr);
        waitUntil_ = now() + kRestMs;
        state_ = kRest;
        return;
    }
    if (natives::getSequenceProgress(hunter) != -1) return;
    // Ended with the animal alive (its death is caught before the step): shoot again.
    state_ = kStalkAndShoot;
}

}  // namespace bf
