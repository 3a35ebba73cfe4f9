// Environment: temperature, navmesh, clearing, prop sets.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_ENVIRONMENT(X)                                                              \
    X(kGetTemperatureAtCoords, 0xB98B78C3768AF6E0, "_GET_TEMPERATURE_AT_COORDS", 3, Float)     \
    X(kIsNavmeshLoadedInArea, 0xF813C7E63F9062A5, "IS_NAVMESH_LOADED_IN_AREA", 6, Int32)       \
    X(kAddNavmeshRequiredRegion, 0x387EAD7EE42F6685, "ADD_NAVMESH_REQUIRED_REGION", 3, Void)   \
    X(kClearArea, 0x3B882A96EA77D5B1, "CLEAR_AREA", 5, Void)                                   \
    X(kPlaceEntityOnGroundProperly, 0x9587913B9E772D29, "PLACE_ENTITY_ON_GROUND_PROPERLY", 2,  \
      Int32)                                                                                   \
    X(kRequestPropSet, 0xF3DE57A46D5585E9, "_REQUEST_PROP_SET", 1, Int32)                      \
    X(kHasPropSetLoaded, 0x48A88FC684C55FDC, "_HAS_PROP_SET_LOADED", 1, Int32)                 \
    X(kCreatePropSet, 0xE65C5CBA95F0E510, "_CREATE_PROP_SET", 9, Int32)                        \
    X(kSetPropSetAsNoLongerNeeded, 0x909E3C7FAE539FB1, "_SET_PROP_SET_AS_NO_LONGER_NEEDED", 1, \
      Void)                                                                                    \
    X(kDeletePropSet, 0x58AC173A55D9D7B4, "_DELETE_PROP_SET", 3, Void)

BF_NATIVES_ENVIRONMENT(BF_NATIVE_DEFINE)

// Degrees Celsius.
inline float getTemperatureAtCoords(Vector3 at) {
    return call<kGetTemperatureAtCoords, float>(at);
}

inline bool isNavmeshLoadedInArea(Vector3 from, Vector3 to) {
    return call<kIsNavmeshLoadedInArea, bool>(from, to);
}

// Loads a few frames later; asking again for the same region does not restart it.
inline void addNavmeshRequiredRegion(float x, float y, float radius) {
    call<kAddNavmeshRequiredRegion>(x, y, radius);
}

inline void clearArea(Vector3 centre, float radius, int32_t flags) {
    call<kClearArea>(centre, radius, flags);
}

// False where there is no ground.
inline bool placeEntityOnGroundProperly(int32_t entity) {
    return call<kPlaceEntityOnGroundProperly, bool>(entity, 0);
}

inline void requestPropSet(uint32_t name) {
    call<kRequestPropSet>(name);
}

inline bool hasPropSetLoaded(uint32_t name) {
    return call<kHasPropSetLoaded, bool>(name);
}

// 0 when the set is not loaded.
inline int32_t createPropSet(uint32_t name, Vector3 at, float heading) {
    return call<kCreatePropSet, int32_t>(name, at, 0, heading, 0.0f, false, false);
}

// Hands the set to the game, which removes it once the player is far away.
inline void releasePropSet(int32_t propSet) {
    call<kSetPropSetAsNoLongerNeeded>(propSet);
}

inline void deletePropSet(int32_t propSet) {
    call<kDeletePropSet>(propSet, true, true);
}

}  // namespace bf::natives
