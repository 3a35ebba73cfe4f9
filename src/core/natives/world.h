// World: ground height and scenario points.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_WORLD(X)                                                                \
    X(kGetGroundZFor3dCoord, 0x24FA4267BB8D2431, "GET_GROUND_Z_FOR_3D_COORD", 5, Int32)    \
    X(kGetClosestObjectOfType, 0xE143FA2249364369, "GET_CLOSEST_OBJECT_OF_TYPE", 8, Int32) \
    X(kDeleteScenarioPoint, 0x81948DFE4F5A0283, "_DELETE_SCENARIO_POINT", 1, Void)

BF_NATIVES_WORLD(BF_NATIVE_DEFINE)

// The game writes the ground's height.
BF_NATIVE_POINTERS(kGetGroundZFor3dCoord, {3, ::bf::PointerUse::Out})

// The height of the ground under a point; false when the game finds none there.
inline bool getGroundZFor3dCoord(Vector3 position, float* groundZ, bool waterAsGround) {
    return call<kGetGroundZFor3dCoord, bool>(position, groundZ, waterAsGround);
}

// A scenario point that peds can use; 0 when the game refuses it.
inline int32_t getClosestObjectOfType(Vector3 position, float radius, uint32_t scenario) {
    return call<kGetClosestObjectOfType, int32_t>(position, radius, scenario, 0, 0, 0);
}

inline void deleteScenarioPoint(int32_t point) {
    call<kDeleteScenarioPoint>(point);
}

}  // namespace bf::natives
