// Combat: relationships, fighting, shooting and sight.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_COMBAT(X)                                                                     \
    X(kAddRelationshipGroup, 0xF372BC22FCB88606, "ADD_RELATIONSHIP_GROUP", 2, Int32)             \
    X(kSetRelationshipBetweenGroups, 0xBF25EB89375A37AD, "SET_RELATIONSHIP_BETWEEN_GROUPS", 3,   \
      Void)                                                                                      \
    X(kSetPedRelationshipGroupHash, 0xC80A74AC829DDD92, "SET_PED_RELATIONSHIP_GROUP_HASH", 2,    \
      Void)                                                                                      \
    X(kGetPedRelationshipGroupDefaultHash, 0x42FDD0F017B1E38E,                                   \
      "GET_PED_RELATIONSHIP_GROUP_DEFAULT_HASH", 1, Int32)                                       \
    X(kIsPedInCombat, 0x4859F1FC66A6278E, "IS_PED_IN_COMBAT", 2, Int32)                          \
    X(kIsPedFleeing, 0xBBCCE00B381F8482, "IS_PED_FLEEING", 1, Int32)                             \
    X(kGetCurrentTargetForPed, 0xCD66FEA29400A0B5, "GET_CURRENT_TARGET_FOR_PED", 1, Int32)       \
    X(kIsPedShooting, 0x34616828CD07F1A1, "IS_PED_SHOOTING", 1, Int32)                           \
    X(kCanPedSeeEntity, 0x7F9B9791D4CB71F6, "CAN_PED_SEE_ENTITY", 4, Int32)                      \
    X(kGetPedAccuracy, 0x37F4AD56ECBC0CD6, "GET_PED_ACCURACY", 1, Int32)                         \
    X(kSetPedAccuracy, 0x7AEFB85C1D49DEB6, "SET_PED_ACCURACY", 2, Void)                          \
    X(kGetBestPedWeapon, 0x8483E98E8B888AE2, "GET_BEST_PED_WEAPON", 3, Int32)                    \
    X(kGetPedSourceOfDeath, 0x93C8B64DEB84728C, "GET_PED_SOURCE_OF_DEATH", 1, Int32)             \
    X(kHasEntityBeenDamagedByEntity, 0x7B6E7BEC1143AC86, "HAS_ENTITY_BEEN_DAMAGED_BY_ENTITY", 4, \
      Int32)                                                                                     \
    X(kGetCarrierAsPed, 0x09B83E68DE004CD4, "_GET_CARRIER_AS_PED", 1, Int32)

BF_NATIVES_COMBAT(BF_NATIVE_DEFINE)

// The game writes the new group's hash.
BF_NATIVE_POINTERS(kAddRelationshipGroup, {1, ::bf::PointerUse::Out})

inline bool addRelationshipGroup(const char* name, uint32_t* group) {
    return call<kAddRelationshipGroup, bool>(name, group);
}

// 0 companion, 1 respect, 2 like, 3 neutral, 4 dislike, 5 hate (how `from` treats `to`).
inline void setRelationshipBetweenGroups(int32_t level, uint32_t from, uint32_t to) {
    call<kSetRelationshipBetweenGroups>(level, from, to);
}

inline void setPedRelationshipGroupHash(int32_t ped, uint32_t group) {
    call<kSetPedRelationshipGroupHash>(ped, group);
}

inline uint32_t getPedRelationshipGroupDefaultHash(int32_t ped) {
    return call<kGetPedRelationshipGroupDefaultHash, uint32_t>(ped);
}

inline bool isPedInCombat(int32_t ped, int32_t target) {
    return call<kIsPedInCombat, bool>(ped, target);
}

inline bool isPedFleeing(int32_t ped) {
    return call<kIsPedFleeing, bool>(ped);
}

// The entity the ped is after (aims at, fights or holds); 0 for none.
inline int32_t getCurrentTargetForPed(int32_t ped) {
    return call<kGetCurrentTargetForPed, int32_t>(ped);
}

inline bool isPedShooting(int32_t ped) {
    return call<kIsPedShooting, bool>(ped);
}

// The game answers 0 (cannot see), 1 (sees) or 2 (not sure yet, while it looks); only 1 is seen.
inline bool canPedSeeEntity(int32_t ped, int32_t entity) {
    return call<kCanPedSeeEntity, int32_t>(ped, entity, 0, 0) == 1;
}

// 0..100.
inline int32_t getPedAccuracy(int32_t ped) {
    return call<kGetPedAccuracy, int32_t>(ped);
}

inline void setPedAccuracy(int32_t ped, int32_t accuracy) {
    call<kSetPedAccuracy>(ped, accuracy);
}

inline uint32_t getBestPedWeapon(int32_t ped) {
    return call<kGetBestPedWeapon, uint32_t>(ped, 0, 0);
}

inline int32_t getPedSourceOfDeath(int32_t ped) {
    return call<kGetPedSourceOfDeath, int32_t>(ped);
}

inline bool hasEntityBeenDamagedByEntity(int32_t entity, int32_t by) {
    return call<kHasEntityBeenDamagedByEntity, bool>(entity, by, 0, 0);
}

// The ped who carries the entity; 0 when nobody does.
inline int32_t getCarrierAsPed(int32_t entity) {
    return call<kGetCarrierAsPed, int32_t>(entity);
}

}  // namespace bf::natives
