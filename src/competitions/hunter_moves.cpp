#include "competitions/hunter_moves.h"

#include <algorithm>

#include "core/natives.h"
#include "world/game_ops.h"
#include "world/owned.h"
#include "world/peds.h"

namespace bf {

float stalkApproachDistance(float reach, float skill, float sightRange) {
    const float approach = reach * 2.0f / 3.0f;
    const float limit = (1.0f + skill * 0.5f) * sightRange;
    return approach >= limit ? limit : approach;
}

int32_t stalkAimDurationMs(float skill) {
    return std::max(static_cast<int32_t>((1.0f - skill) * 10000.0f), 3000);
}

void performRoam(int32_t hunter, Vector3 centre, float radius, float stealth) {
    if (centre.x == 0.0f && centre.y == 0.0f && centre.z == 0.0f) centre = entityPosition(hunter);
    natives::setPedStealth(hunter, stealth);
    OwnedTaskSequence sequence;
    natives::taskClearLookAt(0);
    natives::taskSetCrouchMovement(0, false);
    if (static_cast<uint32_t>(currentWeapon(hunter, 0)) == kHunterUnarmed) {
        natives::setCurrentPedWeapon(hunter, natives::getBestPedWeapon(hunter), true);
        natives::taskSwapWeapon(0, 1, 1);
    }
    natives::taskWanderInArea(0, centre, radius, 3.0f, 6.0f);
    sequence.performBy(hunter);
}

void performStalkAndShoot(int32_t hunter, int32_t animal, float reach) {
    const float skill = static_cast<float>(natives::getPedAccuracy(hunter)) * 0.01f;
    const auto weapon = static_cast<uint32_t>(currentWeapon(hunter, 0));
    int32_t shootMs = 7000;
    if (natives::isWeaponRifle(weapon) || natives::isWeaponSniper(weapon)) shootMs = 10000;
    const float approach =
        stalkApproachDistance(reach, skill, natives::getAnimalTuningFloatParam(animal, 82));

    natives::setPedStealth(hunter, 1.0f);
    OwnedTaskSequence sequence;
    natives::taskLookAtEntity(0, animal);
    natives::taskSeekClearLosToEntity(0, animal, reach, 0.75f);
    natives::taskSetCrouchMovement(0, true);
    natives::taskSeekClearLosToEntity(0, animal, approach, 0.5f);
    natives::taskAimGunAtEntity(0, animal, stalkAimDurationMs(skill));
    natives::taskShootAtEntity(0, animal, shootMs, kHunterFiringPattern);
    sequence.performBy(hunter);
}

}  // namespace bf
