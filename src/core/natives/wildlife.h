// Wildlife: the player's scenarios and ambient animals.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_WILDLIFE(X) \
    X(kIsPedUsingScenarioHash, 0x34D6AC1157C8226C, "IS_PED_USING_SCENARIO_HASH", 2, Int32)

BF_NATIVES_WILDLIFE(BF_NATIVE_DEFINE)

// Nonzero while the ped acts out that scenario (by hash).
inline bool isPedUsingScenarioHash(int32_t ped, uint32_t scenario) {
    return call<kIsPedUsingScenarioHash, bool>(ped, scenario);
}

}  // namespace bf::natives
