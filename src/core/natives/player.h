// Player: the player's state and the script timers.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_PLAYER(X)                                                                   \
    X(kIsPlayerControlOn, 0x7964097FCE4C244B, "IS_PLAYER_CONTROL_ON", 1, Int32)                \
    X(kIsPlayerDead, 0x2E9C3FCB6798F397, "IS_PLAYER_DEAD", 1, Int32)                           \
    X(kIsPedOnFoot, 0x01FEE67DB37F59B2, "IS_PED_ON_FOOT", 1, Int32)                            \
    X(kIsSpecialAbilityActive, 0xB16223CB7DA965F0, "_IS_SPECIAL_ABILITY_ACTIVE", 1, Int32)     \
    X(kGetPlayerTargetEntity, 0xAE663DDD99C8A670, "GET_PLAYER_TARGET_ENTITY", 2, Int32)        \
    X(kGetMissionFlag, 0xB15CD1CF58771DE1, "GET_MISSION_FLAG", 0, Int32)                       \
    X(kIsLawIncidentActive, 0xAD401C63158ACBAA, "IS_LAW_INCIDENT_ACTIVE", 1, Int32)            \
    X(kCountPedsInCombatWithTarget, 0x5407B7288D0478B7, "COUNT_PEDS_IN_COMBAT_WITH_TARGET", 2, \
      Int32)                                                                                   \
    X(kTimerb, 0xC9D9444186B5A374, "TIMERB", 0, Int32)                                         \
    X(kSettimerb, 0x5AE11BC36633DE4E, "SETTIMERB", 1, Void)

BF_NATIVES_PLAYER(BF_NATIVE_DEFINE)

// The game writes the target's handle.
BF_NATIVE_POINTERS(kGetPlayerTargetEntity, {1, ::bf::PointerUse::Out})

inline bool isPlayerControlOn(int32_t player) {
    return call<kIsPlayerControlOn, bool>(player);
}

inline bool isPlayerDead(int32_t player) {
    return call<kIsPlayerDead, bool>(player);
}

// False while riding.
inline bool isPedOnFoot(int32_t ped) {
    return call<kIsPedOnFoot, bool>(ped);
}

// Dead Eye.
inline bool isSpecialAbilityActive(int32_t player) {
    return call<kIsSpecialAbilityActive, bool>(player);
}

// The entity the player has locked on; false (and 0) when none.
inline bool getPlayerTargetEntity(int32_t player, int32_t* entity) {
    return call<kGetPlayerTargetEntity, bool>(player, entity);
}

// A story mission is running.
inline bool getMissionFlag() {
    return call<kGetMissionFlag, bool>();
}

inline bool isLawIncidentActive(int32_t player) {
    return call<kIsLawIncidentActive, bool>(player);
}

// How many peds fight the ped.
inline int32_t countPedsInCombatWithTarget(int32_t ped, int32_t flag) {
    return call<kCountPedsInCombatWithTarget, int32_t>(ped, flag);
}

// The script's second timer, milliseconds of game time since it was last set.
inline int32_t getScriptTimerB() {
    return call<kTimerb, int32_t>();
}

inline void setScriptTimerB(int32_t ms) {
    call<kSettimerb>(ms);
}

}  // namespace bf::natives
