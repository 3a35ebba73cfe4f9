#include "competitions/hunt_animal_type_task.h"

#include "competitions/hunter_moves.h"
#include "core/natives.h"
#include "world/game_ops.h"
#include "world/owned.h"
#include "world/peds.h"

namespace bf {

HuntAnimalTypeTask::HuntAnimalTypeTask(int32_t hunter, uint32_t animalType, Vector3 areaCentre,
                                       float reach, float roamRadius)
    : AsyncPedTask(hunter),
      animalType_(animalType),
      reach_(reach),
      roamRadius_(roamRadius),
      areaCentre_(areaCentre) {
    candidates_.reserve(kNearbyCapacity);
}

bool HuntAnimalTypeTask::hasFailed() {
    return state_ == kFailed || natives::isEntityDead(getPed());
}

void HuntAnimalTypeTask::step() {
    switch (state_) {
        case kRoam:
            roam();
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
            stalkAndShoot();
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

void HuntAnimalTypeTask::roam() {
    performRoam(getPed(), areaCentre_, roamRadius_, 1.0f);
    state_ = kSearch;
}

void HuntAnimalTypeTask::search() {
    candidates_.clear();
    for (int32_t ped : pedsNear(getPed(), kNearbyCapacity, reach_, -1, true, animalType_))
        candidates_.push_back(ped);
    waitUntil_ = now() + 5000;
    state_ = kSpot;
    sleepFor(1000);
}

void HuntAnimalTypeTask::spot() {
    if (reached(waitUntil_)) {
        state_ = kSearch;
        return;
    }
    const int32_t hunter = getPed();
    // The first one he can see; he need not look at the rest.
    for (int32_t animal : candidates_) {
        if (!natives::canPedSeeEntity(hunter, animal)) continue;
        target_ = animal;
        waitUntil_ = now() + 4000;
        state_ = kConfirm;
        OwnedTaskSequence sequence;
        natives::taskTurnPedToFaceEntity(0, target_);
        sequence.performBy(hunter);
        return;
    }
}

void HuntAnimalTypeTask::confirm() {
    if (!reached(waitUntil_)) return;
    if (natives::canPedSeeEntity(getPed(), target_)) {
        state_ = kStalkAndShoot;
        waitUntil_ = 0;
    } else {
        target_ = 0;
        state_ = kRoam;
    }
}

void HuntAnimalTypeTask::stalkAndShoot() {
    performStalkAndShoot(getPed(), target_, reach_);
    state_ = kShooting;
    sleepFor(2000);
}

void HuntAnimalTypeTask::shooting() {
    const int32_t hunter = getPed();
    if (!natives::isPedShooting(hunter) && !natives::canPedSeeEntity(hunter, target_)) {
        playSpeech(hunter, "GENERIC_CURSE_MED", nullptr);
        target_ = 0;
        waitUntil_ = now() + 10000;
        state_ = kRest;
        return;
    }
    if (natives::getSequenceProgress(hunter) != -1) return;
    if (natives::isEntityDead(target_)) {
        natives::taskSetCrouchMovement(hunter, false);
        natives::setPedStealth(hunter, 0.0f);
        waitUntil_ = now() + 10000;
        state_ = kRest;
    }
}

}  // namespace bf
