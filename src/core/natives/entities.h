// Entities: positions, facing, existence, deletion.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_ENTITIES(X)                                                              \
    X(kGetEntityCoords, 0xA86D5F069399F44D, "GET_ENTITY_COORDS", 3, Vector3)                \
    X(kGetEntityForwardVector, 0x2412D9C05BB09B97, "GET_ENTITY_FORWARD_VECTOR", 1, Vector3) \
    X(kDoesEntityExist, 0xD42BD6EB2E0F1677, "DOES_ENTITY_EXIST", 1, Int32)                  \
    X(kIsEntityDead, 0x7D5B1F88E7504BBA, "IS_ENTITY_DEAD", 1, Int32)                        \
    X(kDeleteEntity, 0x4CD38C78BD19A497, "DELETE_ENTITY", 1, Void)                          \
    X(kSetEntityAsNoLongerNeeded, 0x4971D2F8162B9674, "SET_ENTITY_AS_NO_LONGER_NEEDED", 1, Void)

BF_NATIVES_ENTITIES(BF_NATIVE_DEFINE)

// The game reads the handle and may clear it.
BF_NATIVE_POINTERS(kDeleteEntity, {0, ::bf::PointerUse::InOut})
BF_NATIVE_POINTERS(kSetEntityAsNoLongerNeeded, {0, ::bf::PointerUse::InOut})

inline Vector3 getEntityCoords(int32_t entity, bool alive, bool realCoords) {
    return call<kGetEntityCoords, Vector3>(entity, alive, realCoords);
}

// A unit vector along the entity's facing.
inline Vector3 getEntityForwardVector(int32_t entity) {
    return call<kGetEntityForwardVector, Vector3>(entity);
}

inline bool doesEntityExist(int32_t entity) {
    return call<kDoesEntityExist, bool>(entity);
}

inline bool isEntityDead(int32_t entity) {
    return call<kIsEntityDead, bool>(entity);
}

// Deletes a script-owned entity and zeroes the handle.
inline void deleteEntity(int32_t* entity) {
    call<kDeleteEntity>(entity);
}

// Hands the entity back to the game, which may clean it up when it likes.
inline void setEntityAsNoLongerNeeded(int32_t* entity) {
    call<kSetEntityAsNoLongerNeeded>(entity);
}

}  // namespace bf::natives
