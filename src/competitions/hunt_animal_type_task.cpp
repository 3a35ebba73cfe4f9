#include "competitions/hunt_animal_type_task.h"

#include <algorithm>

#include "core/natives.h"
#include "world/game_ops.h"
#include "world/owned.h"
#include "world/peds.h"

namespace bf {

namespace {

bool reached(uint32_t deadline) {
    return static_cast<int32_t>(natives::getGameTimer() - deadline) >= 0;
}

}  // namespace

float HuntAnimalTypeTask::approachDistance(float reach, float skill, float sightRange) {
    const float approach = reach * 2.0f / 3.0f;
    const float limit = (1.0f + skill * 0.5f) * sightRange;
    return approach >= limit ? limit : approach;
}

int32_t HuntAnimalTypeTask::aimDurationMs(float skill) {
    return std::max(static_cast<int32_t>((1.0f - skill) * 10000.0f), 3000);
}

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
    const int32_t hunter = getPed();
    const Vector3 centre = (areaCentre_.x == 0.0f && areaCentre_.y == 0.0f && areaCentre_.z == 0.0f)
                               ? entityPosition(hunter)
                               : areaCentre_;
    natives::setPedStealth(hunter, 1.0f);
    OwnedTaskSequence sequence;
    natives::taskClearLookAt(0);
    natives::taskSetWeaponStance(0, false);
    if (static_cast<uint32_t>(currentWeapon(hunter, 0)) == kUnarmed) {
        natives::setCurrentPedWeapon(hunter, natives::getBestPedWeapon(hunter), true);
        natives::taskSetWeaponDrawn(0, 1, 1);
    }
    natives::taskWanderInArea(0, centre, roamRadius_, 3.0f, 6.0f);
    sequence.performBy(hunter);
    state_ = kSearch;
}

void HuntAnimalTypeTask::search() {
    candidates_.clear();
    for (int32_t ped : pedsNear(getPed(), kNearbyCapacity, reach_, -1, true, animalType_))
        candidates_.push_back(ped);
    waitUntil_ = natives::getGameTimer() + 5000;
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
        waitUntil_ = natives::getGameTimer() + 4000;
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
    const int32_t hunter = getPed();
    const float skill = static_cast<float>(natives::getPedAccuracy(hunter)) * 0.01f;
    const auto weapon = static_cast<uint32_t>(currentWeapon(hunter, 0));
    int32_t shootMs = 7000;
    if (natives::isWeaponRepeater(weapon) || natives::isWeaponShotgun(weapon)) shootMs = 10000;
    const float approach =
        approachDistance(reach_, skill, natives::getAnimalTuningFloatParam(target_, 82));

    natives::setPedStealth(hunter, 1.0f);
    OwnedTaskSequence sequence;
    natives::taskLookAtEntity(0, target_);
    natives::taskGoToEntity(0, target_, reach_, 0.75f);
    natives::taskSetWeaponStance(0, true);
    natives::taskGoToEntity(0, target_, approach, 0.5f);
    natives::taskAimGunAtEntity(0, target_, aimDurationMs(skill));
    natives::taskShootAtEntity(0, target_, shootMs, kFiringPattern);
    sequence.performBy(hunter);
    state_ = kShooting;
    sleepFor(2000);
}

void HuntAnimalTypeTask::shooting() {
    const int32_t hunter = getPed();
    if (!natives::isPedShooting(hunter) && !natives::canPedSeeEntity(hunter, target_)) {
        playSpeech(hunter, "GENERIC_CURSE_MED", nullptr);
        target_ = 0;
        waitUntil_ = natives::getGameTimer() + 10000;
        state_ = kRest;
        return;
    }
    if (natives::getSequenceProgress(hunter) != -1) return;
    if (natives::isEntityDead(target_)) {
        natives::taskSetWeaponStance(hunter, false);
        natives::setPedStealth(hunter, 0.0f);
        waitUntil_ = natives::getGameTimer() + 10000;
        state_ = kRest;
    }
}

}  // namespace bf
