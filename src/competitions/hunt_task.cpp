#include "competitions/hunt_task.h"

#include "competitions/hunter_moves.h"
#include "core/log.h"
#include "core/natives.h"
#include "world/game_ops.h"
#include "world/owned.h"
#include "world/peds.h"

namespace bf {

HuntTask::HuntTask(int32_t hunter, Quarry quarry, Vector3 areaCentre, float reach, float roamRadius)
    : AsyncPedTask(hunter),
      quarry_(quarry),
      reach_(reach),
      roamRadius_(roamRadius),
      areaCentre_(areaCentre) {
    candidates_.reserve(kNearbyCapacity);
}

bool HuntTask::hasFailed() {
    return state_ == kDone || natives::isEntityDead(getPed());
}

void HuntTask::step() {
    if (state_ == kDone) return;
    if (quarry_.single() && !singleStillHunted()) return;
    switch (state_) {
        case kRoam:
            performRoam(getPed(), areaCentre_, roamRadius_,
                        quarry_.single() ? kSingleRoamStealth : kModelRoamStealth);
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

bool HuntTask::singleStillHunted() {
    if (!natives::doesEntityExist(quarry_.animal)) {
        natives::setPedStealth(getPed(), 0.0f);
        state_ = kDone;
        return false;
    }
    // Dead is enough: a body nobody comes to carry must not keep him standing over it.
    if (!natives::isEntityDead(quarry_.animal)) return true;
    done();
    return false;
}

void HuntTask::done() {
    const int32_t hunter = getPed();
    natives::taskSetCrouchMovement(hunter, false);
    natives::setPedStealth(hunter, 0.0f);
    target_ = 0;
    state_ = kDone;
}

void HuntTask::search() {
    candidates_.clear();
    if (quarry_.single()) {
        if (distance(entityPosition(getPed()), entityPosition(quarry_.animal)) <= reach_)
            candidates_.push_back(quarry_.animal);
    } else {
        for (int32_t ped : pedsNear(getPed(), kNearbyCapacity, reach_, -1, true, quarry_.model))
            candidates_.push_back(ped);
    }
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
    // The first one he can see; he need not look at the rest.
    for (int32_t animal : candidates_) {
        if (!natives::canPedSeeEntity(hunter, animal)) continue;
        target_ = animal;
        waitUntil_ = now() + kConfirmMs;
        state_ = kConfirm;
        OwnedTaskSequence sequence;
        natives::taskTurnPedToFaceEntity(0, target_);
        sequence.performBy(hunter);
        return;
    }
}

void HuntTask::confirm() {
    if (!reached(waitUntil_)) return;
    if (natives::canPedSeeEntity(getPed(), target_)) {
        state_ = kStalkAndShoot;
        waitUntil_ = 0;
        shootingSince_ = now();
        shootingTries_ = 0;
    } else {
        target_ = 0;
        state_ = kRoam;
    }
}

void HuntTask::stalkAndShoot() {
    performStalkAndShoot(getPed(), target_, reach_);
    ++shootingTries_;
    state_ = kShooting;
    sleepFor(quarry_.single() ? kSingleShootSleepMs : kModelShootSleepMs);
}

void HuntTask::shooting() {
    const int32_t hunter = getPed();
    // Asked in this order so that a frame of his walk costs the game three questions.
    if (!natives::isPedShooting(hunter) && !natives::canPedSeeEntity(hunter, target_)) {
        if (natives::isEntityDead(target_)) {
            targetDown();
        } else {
            dropTarget();
        }
        return;
    }
    if (reached(shootingSince_ + kMaxShootingMs)) {
        dropTarget();
        return;
    }
    if (natives::getSequenceProgress(hunter) != -1) return;
    if (natives::isEntityDead(target_)) {
        targetDown();
    } else if (shootingTries_ < kMaxShootingTries) {
        // Ended with the target alive and in sight: he tries again, a few times.
        logMessage("HuntTask: the animal lives and is in sight: shooting again (try " +
                   std::to_string(shootingTries_ + 1) + " of " + std::to_string(kMaxShootingTries) +
                   ")");
        state_ = kStalkAndShoot;
    } else {
        dropTarget();
    }
}

void HuntTask::dropTarget() {
    const int32_t hunter = getPed();
    logMessage("HuntTask: the animal got away after " + std::to_string(shootingTries_) +
               (shootingTries_ == 1 ? " try" : " tries") + ": cursing and resting");
    playSpeech(hunter, "GENERIC_CURSE_MED", nullptr);
    natives::clearPedTasks(hunter);
    target_ = 0;
    waitUntil_ = now() + kRestMs;
    state_ = kRest;
}

void HuntTask::targetDown() {
    if (quarry_.single()) {
        done();
        return;
    }
    const int32_t hunter = getPed();
    natives::taskSetCrouchMovement(hunter, false);
    natives::setPedStealth(hunter, 0.0f);
    target_ = 0;
    waitUntil_ = now() + kRestMs;
    state_ = kRest;
}

}  // namespace bf
