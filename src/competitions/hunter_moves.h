// What a rival hunter does, as the two task sequences both hunts give him (HuntTask, for
// any animal of a model or one given animal): roaming an area ready to shoot, and stalking
// an animal he has seen until he fires.
#pragma once

#include <cstdint>

#include "core/vector3.h"

namespace bf {

inline constexpr uint32_t kHunterFiringPattern = 0xC6EE6B4C;
inline constexpr uint32_t kHunterUnarmed = 0xA2719263;

// The stalk: the distance he closes to before aiming, and how long he aims, from his skill
// (accuracy / 100), his reach and the animal's sight range. A skilled hunter stalks closer and
// aims shorter: 3 s at accuracy 100, 10 s at 0.
float stalkApproachDistance(float reach, float skill, float sightRange);
int32_t stalkAimDurationMs(float skill);

// Movement in stealth at `stealth` (0..1), then a sequence: stop looking, weapon lowered, armed
// with his best weapon when he holds none, roaming the circle of `radius` round `centre` (the
// hunter's own position when it is zero), pausing 6 s between walks of at least 3 m.
void performRoam(int32_t hunter, Vector3 centre, float radius, float stealth);
// Full stealth, then a sequence: look at the animal, go to within `reach` of it, raise the
// weapon, creep to within the approach distance, aim, and shoot for 7 s (10 s with a repeater or
// shotgun).
void performStalkAndShoot(int32_t hunter, int32_t animal, float reach);

}  // namespace bf
