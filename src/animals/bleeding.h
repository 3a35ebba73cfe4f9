// Bleeding and collapse. A hit starts (or renews) bleeding on the damaged ped: the lower its
// health, the longer it bleeds. Each frame the bleeding tick walks the bleeding list: it ends
// bleeding on death or expiry, applies the configured damage once a second while the ped lies
// down (ragdolled), and makes peds still up at low health collapse. The state lives on the ped's
// integer decorators ("VX_Brackenfold_..."), the list in AnimalEventsHandler.
#pragma once

#include <cstdint>
#include <vector>

#include "core/vector3.h"

namespace bf {

class DictDataFile;

// The start of bleeding for a hit on `damaged` by `attacker` with `weapon`. Returns false when
// the damaged entity no longer exists: the damage handler then ends (no depletion either).
bool startBleeding(std::vector<int32_t>& bleeding, int32_t damaged, int32_t attacker,
                   uint32_t weapon);
// Once per frame, after the event pump.
// "bleeding.critical_shot_damage_per_sec" of GeneralMeta.dat is the damage a second.
void bleedingTick(std::vector<int32_t>& bleeding, const DictDataFile& generalMeta);

// Where the attacker stands round the damaged ped, in whole degrees 0..359 relative to its
// heading: it turns the blood wound towards the shot.
int32_t hitBearing(float heading, Vector3 damaged, Vector3 attacker);
// Whether bleeding that began at `since` (clock A) with `seconds` has run out at `now`, with M
// the game's milliseconds per game minute; 32-bit signed arithmetic, as the values are stored.
bool bleedingExpired(int32_t now, int32_t since, int32_t seconds, int32_t msPerGameMinute);

}  // namespace bf
