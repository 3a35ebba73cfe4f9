// Tasks: sequences, tasks, stealth, looking.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_TASKS(X)                                                                      \
    X(kOpenSequenceTask, 0xE8854A4326B9E12B, "OPEN_SEQUENCE_TASK", 1, Void)                      \
    X(kCloseSequenceTask, 0x39E72BC99E6360CB, "CLOSE_SEQUENCE_TASK", 1, Void)                    \
    X(kClearSequenceTask, 0x3841422E9C488D8C, "CLEAR_SEQUENCE_TASK", 1, Void)                    \
    X(kTaskPerformSequence, 0x5ABA3986D90D8A3B, "TASK_PERFORM_SEQUENCE", 2, Void)                \
    X(kGetSequenceProgress, 0x00A9010CFE1E3533, "GET_SEQUENCE_PROGRESS", 1, Int32)               \
    X(kIsPedUsingAnyScenario, 0x57AB4A3080F85143, "IS_PED_USING_ANY_SCENARIO", 1, Int32)         \
    X(kTaskFollowNavMeshToCoord, 0x15D3A79D4E44B913, "TASK_FOLLOW_NAV_MESH_TO_COORD", 9, Void)   \
    X(kTaskSeekClearLosToEntity, 0x8D7F2A63688C20A4, "TASK_SEEK_CLEAR_LOS_TO_ENTITY", 5, Void)   \
    X(kTaskWanderInArea, 0xE054346CA3A0F315, "TASK_WANDER_IN_AREA", 8, Void)                     \
    X(kTaskTurnPedToFaceEntity, 0x5AD23D40115353AC, "TASK_TURN_PED_TO_FACE_ENTITY", 6, Void)     \
    X(kTaskLookAtEntity, 0x69F4BE8C8CC4796C, "TASK_LOOK_AT_ENTITY", 6, Void)                     \
    X(kTaskClearLookAt, 0x0F804F1DB19B9689, "TASK_CLEAR_LOOK_AT", 1, Void)                       \
    X(kIsPedHeadtrackingPed, 0x5CD3CB88A7F8850D, "IS_PED_HEADTRACKING_PED", 2, Int32)            \
    X(kTaskSetCrouchMovement, 0x17293C633C8AC019, "TASK_SET_CROUCH_MOVEMENT", 4, Void)           \
    X(kTaskSwapWeapon, 0xA21C51255B205245, "TASK_SWAP_WEAPON", 5, Void)                          \
    X(kTaskAimGunAtEntity, 0x9B53BB6E8943AF53, "TASK_AIM_GUN_AT_ENTITY", 5, Void)                \
    X(kTaskShootAtEntity, 0x08DA95E8298AE772, "TASK_SHOOT_AT_ENTITY", 5, Void)                   \
    X(kTaskUseNearestScenarioToCoord, 0x322BFDEA666E2B0E, "_TASK_USE_NEAREST_SCENARIO_TO_COORD", \
      10, Void)                                                                                  \
    X(kSetPedBlackboardFloat, 0x437C08DB4FEBE2BD, "_SET_PED_BLACKBOARD_FLOAT", 4, Void)

BF_NATIVES_TASKS(BF_NATIVE_DEFINE)

// Opening writes the new sequence's handle; clearing reads it and zeroes it.
BF_NATIVE_POINTERS(kOpenSequenceTask, {0, ::bf::PointerUse::Out})
BF_NATIVE_POINTERS(kClearSequenceTask, {0, ::bf::PointerUse::InOut})

inline void openSequenceTask(int32_t* sequence) {
    call<kOpenSequenceTask>(sequence);
}

inline void closeSequenceTask(int32_t sequence) {
    call<kCloseSequenceTask>(sequence);
}

// Frees the sequence and zeroes the handle; a ped performing it goes on.
inline void clearSequenceTask(int32_t* sequence) {
    call<kClearSequenceTask>(sequence);
}

inline void taskPerformSequence(int32_t ped, int32_t sequence) {
    call<kTaskPerformSequence>(ped, sequence);
}

// Index of the task the ped is carrying out; -1 once the sequence has ended.
inline int32_t getSequenceProgress(int32_t ped) {
    return call<kGetSequenceProgress, int32_t>(ped);
}

// True while the ped has a task to carry out.
inline bool isPedUsingAnyScenario(int32_t ped) {
    return call<kIsPedUsingAnyScenario, bool>(ped);
}

// Speed is a move blend: 1.0 a walk.
inline void taskFollowNavMeshToCoord(int32_t ped, Vector3 to, float speed) {
    call<kTaskFollowNavMeshToCoord>(ped, to, speed, -1, 0.0f, 0, 0.0f);
}

inline void taskSeekClearLosToEntity(int32_t ped, int32_t entity, float stopWithin, float speed) {
    call<kTaskSeekClearLosToEntity>(ped, entity, stopWithin, speed, -1.0f);
}

inline void taskWanderInArea(int32_t ped, Vector3 centre, float radius, float minimalLength,
                             float secondsBetweenWalks, int32_t flags = 0) {
    call<kTaskWanderInArea>(ped, centre, radius, minimalLength, secondsBetweenWalks, flags);
}

// -1: until facing it.
inline void taskTurnPedToFaceEntity(int32_t ped, int32_t entity, int32_t durationMs = -1) {
    call<kTaskTurnPedToFaceEntity>(ped, entity, durationMs, 0.0f, 0.0f, 0.0f);
}

inline void taskLookAtEntity(int32_t ped, int32_t entity, int32_t durationMs = -1,
                             int32_t flags = -1, int32_t lookFlags = 2048, int32_t priority = 3) {
    call<kTaskLookAtEntity>(ped, entity, durationMs, flags, lookFlags, priority);
}

inline void taskClearLookAt(int32_t ped) {
    call<kTaskClearLookAt>(ped);
}

inline bool isPedHeadtrackingPed(int32_t ped, int32_t entity) {
    return call<kIsPedHeadtrackingPed, bool>(ped, entity);
}

// Raised (true) or lowered weapon.
inline void taskSetCrouchMovement(int32_t ped, bool raised) {
    call<kTaskSetCrouchMovement>(ped, raised, 0, 0);
}

// Draws (a, b nonzero) or holsters (all zero) the weapon in hand.
inline void taskSwapWeapon(int32_t ped, int32_t a, int32_t b) {
    call<kTaskSwapWeapon>(ped, a, b, 0, 0);
}

inline void taskAimGunAtEntity(int32_t ped, int32_t entity, int32_t durationMs) {
    call<kTaskAimGunAtEntity>(ped, entity, durationMs, 0, 0);
}

inline void taskShootAtEntity(int32_t ped, int32_t entity, int32_t durationMs,
                              uint32_t firingPattern) {
    call<kTaskShootAtEntity>(ped, entity, durationMs, firingPattern, 0);
}

// The ped idles round the point for the time.
inline void taskUseNearestScenarioToCoord(int32_t ped, Vector3 point, float radius,
                                          int32_t durationMs) {
    call<kTaskUseNearestScenarioToCoord>(ped, point, radius, durationMs, 0, 0, 1, 0);
}

// Stealth movement: amount 1.0 on, 0.0 off.
inline void setPedStealth(int32_t ped, float amount) {
    call<kSetPedBlackboardFloat>(ped, "Stealth", amount, -1);
}

}  // namespace bf::natives
