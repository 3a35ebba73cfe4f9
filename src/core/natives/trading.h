// Trading: horses, cargo, the states of people, trade tasks.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_TRADING(X)                                                                      \
    X(kIsPedOnMount, 0x460BC76A0E10655E, "IS_PED_ON_MOUNT", 1, Int32)                              \
    X(kGetMount, 0xE7E11B8DCBED1058, "GET_MOUNT", 1, Int32)                                        \
    X(kIsPedLeadingHorse, 0xEFC4303DDC6E60D3, "_IS_PED_LEADING_HORSE", 1, Int32)                   \
    X(kGetLedHorseFromPed, 0xED1F514AF4732258, "_GET_LED_HORSE_FROM_PED", 1, Int32)                \
    X(kIsPedInjured, 0x84A2DD9AC37C35C1, "IS_PED_INJURED", 1, Int32)                               \
    X(kIsPedCarryingSomething, 0xA911EE21EDF69DAF, "IS_PED_CARRYING_SOMETHING", 1, Int32)          \
    X(kIsEntityAPed, 0xCF8176912DDA4EA5, "IS_ENTITY_A_PED", 1, Int32)                              \
    X(kIsPedInAnyVehicle, 0x997ABD671D25CA0B, "IS_PED_IN_ANY_VEHICLE", 2, Int32)                   \
    X(kGetInteriorFromEntity, 0xB417689857646F61, "GET_INTERIOR_FROM_ENTITY", 1, Int32)            \
    X(kIsPedInMeleeCombat, 0x4E209B2C1EAD5159, "IS_PED_IN_MELEE_COMBAT", 1, Int32)                 \
    X(kIsPedHogtied, 0x3AA24CCC0D451379, "IS_PED_HOGTIED", 1, Int32)                               \
    X(kIsPedFalling, 0xFB92A102F1C4DFA3, "IS_PED_FALLING", 1, Int32)                               \
    X(kIsPedLassoed, 0x9682F850056C9ADE, "IS_PED_LASSOED", 1, Int32)                               \
    X(kIsPedInCover, 0x60DFD0691A170B88, "IS_PED_IN_COVER", 3, Int32)                              \
    X(kIsPedGoingIntoCover, 0x9F65DBC537E59AD5, "IS_PED_GOING_INTO_COVER", 1, Int32)               \
    X(kGetPedGroupIndex, 0xF162E133B4E7A675, "GET_PED_GROUP_INDEX", 1, Int32)                      \
    X(kIsPedInAnyTrain, 0x6F972C1AB75A1ED0, "IS_PED_IN_ANY_TRAIN", 1, Int32)                       \
    X(kIsPedInAnyBoat, 0x2E0E1C2B4F6CB339, "IS_PED_IN_ANY_BOAT", 1, Int32)                         \
    X(kIsPedRunning, 0xC5286FFC176F28A2, "IS_PED_RUNNING", 1, Int32)                               \
    X(kIsPedSprinting, 0x57E457CD2C0FC168, "IS_PED_SPRINTING", 1, Int32)                           \
    X(kIsPedCuffed, 0x74E559B3BC910685, "IS_PED_CUFFED", 1, Int32)                                 \
    X(kFindScenarioOfTypeHash, 0xF533D68FF970D190, "FIND_SCENARIO_OF_TYPE_HASH", 7, Int32)         \
    X(kClearPedTasks, 0xE1EF3C1216AFF2CD, "CLEAR_PED_TASKS", 3, Void)                              \
    X(kTaskHitchAnimal, 0x9030AD4B6207BFE8, "TASK_HITCH_ANIMAL", 3, Void)                          \
    X(kTaskDismountAnimal, 0x48E92D3DDE23C23A, "TASK_DISMOUNT_ANIMAL", 6, Void)                    \
    X(kTaskLeadHorse, 0x9A7A4A54596FE09D, "TASK_LEAD_HORSE", 2, Void)                              \
    X(kTaskGoToEntity, 0x6A071245EB0D1882, "TASK_GO_TO_ENTITY", 7, Void)                           \
    X(kTaskStartScenarioInPlaceHash, 0x524B54361229154F, "TASK_START_SCENARIO_IN_PLACE_HASH", 7,   \
      Void)                                                                                        \
    X(kTaskPickupCarriableEntity, 0x502EC17B1BED4BFA, "TASK_PICKUP_CARRIABLE_ENTITY", 2, Void)     \
    X(kTaskPlaceCarriedEntityOnMount, 0x6D3D87C57B3D52C7, "TASK_PLACE_CARRIED_ENTITY_ON_MOUNT", 4, \
      Void)                                                                                        \
    X(kTaskMountAnimal, 0x92DB0739813C5186, "TASK_MOUNT_ANIMAL", 8, Void)                          \
    X(kTaskWanderStandard, 0xBB9CE077274F6A1B, "TASK_WANDER_STANDARD", 3, Void)                    \
    X(kCreateItemset, 0xA1AF16083320065A, "CREATE_ITEMSET", 1, Int32)                              \
    X(kFindAllAttachedCarriableEntities, 0xB5ACE8B23A438EC0,                                       \
      "FIND_ALL_ATTACHED_CARRIABLE_ENTITIES", 2, Void)                                             \
    X(kGetItemsetSize, 0x55F2E375AC6018A9, "GET_ITEMSET_SIZE", 1, Int32)                           \
    X(kGetIndexedItemInItemset, 0x275A2E2C0FAB7612, "GET_INDEXED_ITEM_IN_ITEMSET", 2, Int32)       \
    X(kDestroyItemset, 0x712BC69F10549B92, "DESTROY_ITEMSET", 1, Void)                             \
    X(kGetIsCarriablePelt, 0x255B6DB4E3AD3C3E, "_GET_IS_CARRIABLE_PELT", 1, Int32)                 \
    X(kGetPedDamageCleanliness, 0x88EFFED5FE8B0B4A, "_GET_PED_DAMAGE_CLEANLINESS", 1, Int32)       \
    X(kComputeSatchelItemForPedDamage, 0x9E7738B291706746, "COMPUTE_SATCHEL_ITEM_FOR_PED_DAMAGE",  \
      3, Int32)                                                                                    \
    X(kGetCarriableFromEntity, 0x31FEF6A20F00B963, "_GET_CARRIABLE_FROM_ENTITY", 1, Int32)         \
    X(kGetIsPredator, 0x5594AFE9DE0C01B7, "_GET_IS_PREDATOR", 1, Int32)                            \
    X(kIsEntityFullyLooted, 0x8DE41E9902E85756, "_IS_ENTITY_FULLY_LOOTED", 1, Int32)

BF_NATIVES_TRADING(BF_NATIVE_DEFINE)

// The game writes the item's hash.
BF_NATIVE_POINTERS(kComputeSatchelItemForPedDamage, {0, ::bf::PointerUse::Out})

inline bool isPedOnMount(int32_t ped) {
    return call<kIsPedOnMount, bool>(ped);
}

// The horse the ped rides now; 0 for none.
inline int32_t getMount(int32_t ped) {
    return call<kGetMount, int32_t>(ped);
}

inline bool isPedLeadingHorse(int32_t ped) {
    return call<kIsPedLeadingHorse, bool>(ped);
}

// The horse the ped leads by the reins; 0 for none.
inline int32_t getLedHorse(int32_t ped) {
    return call<kGetLedHorseFromPed, int32_t>(ped);
}

inline bool isPedInjured(int32_t ped) {
    return call<kIsPedInjured, bool>(ped);
}

// Nonzero for a horse that wears a saddle, so that it can carry pelts and carcasses.
inline bool isPedCarryingSomething(int32_t horse) {
    return call<kIsPedCarryingSomething, bool>(horse);
}

inline bool isEntityAPed(int32_t entity) {
    return call<kIsEntityAPed, bool>(entity);
}

// In a vehicle or getting into one.
inline bool isPedInAnyVehicle(int32_t ped) {
    return call<kIsPedInAnyVehicle, bool>(ped, true);
}

// The interior the entity is in; 0 outdoors.
inline int32_t getInteriorFromEntity(int32_t entity) {
    return call<kGetInteriorFromEntity, int32_t>(entity);
}

inline bool isPedInMeleeCombat(int32_t ped) {
    return call<kIsPedInMeleeCombat, bool>(ped);
}

inline bool isPedHogtied(int32_t ped) {
    return call<kIsPedHogtied, bool>(ped);
}

inline bool isPedFalling(int32_t ped) {
    return call<kIsPedFalling, bool>(ped);
}

inline bool isPedLassoed(int32_t ped) {
    return call<kIsPedLassoed, bool>(ped);
}

inline bool isPedInCover(int32_t ped) {
    return call<kIsPedInCover, bool>(ped, 0, 0);
}

// Nonzero for the people a story needs (they never trade).
inline bool isPedGoingIntoCover(int32_t ped) {
    return call<kIsPedGoingIntoCover, bool>(ped);
}

// The ped group the ped belongs to (the player's companions share his).
inline uint32_t getPedGroupIndex(int32_t ped) {
    return call<kGetPedGroupIndex, uint32_t>(ped);
}

inline bool isPedInAnyTrain(int32_t ped) {
    return call<kIsPedInAnyTrain, bool>(ped);
}

inline bool isPedInAnyBoat(int32_t ped) {
    return call<kIsPedInAnyBoat, bool>(ped);
}

// Nonzero for people at work (shopkeepers, stablehands and the like).
inline bool isPedRunning(int32_t ped) {
    return call<kIsPedRunning, bool>(ped);
}

inline bool isPedSprinting(int32_t ped) {
    return call<kIsPedSprinting, bool>(ped);
}

inline bool isPedCuffed(int32_t ped) {
    return call<kIsPedCuffed, bool>(ped);
}

// The nearest object of a model within a radius of a point; 0 for none.
inline int32_t findScenarioOfTypeHash(Vector3 position, float radius, uint32_t model) {
    return call<kFindScenarioOfTypeHash, int32_t>(position, model, radius, 1, 1);
}

inline void clearPedTasks(int32_t ped) {
    call<kClearPedTasks>(ped, 1, 1);
}

inline void taskHitchAnimal(int32_t ped, int32_t post) {
    call<kTaskHitchAnimal>(ped, post, 0);
}

inline void taskDismountAnimal(int32_t ped) {
    call<kTaskDismountAnimal>(ped, 0, 0, 0, 0, 0);
}

inline void taskLeadHorse(int32_t ped, int32_t horse) {
    call<kTaskLeadHorse>(ped, horse);
}

inline void taskGoToEntity(int32_t ped, int32_t entity, int32_t durationMs, float stopDistance,
                           float speed) {
    call<kTaskGoToEntity>(ped, entity, durationMs, stopDistance, speed, 0.0f, 0);
}

inline void taskStartScenarioInPlace(int32_t ped, uint32_t scenario, int32_t durationMs) {
    call<kTaskStartScenarioInPlaceHash>(ped, scenario, durationMs, 1, 1, 0.0f, 1);
}

// Takes a carried pelt or carcass off the horse that carries it.
inline void taskPickupCarriableEntity(int32_t ped, int32_t entity) {
    call<kTaskPickupCarriableEntity>(ped, entity);
}

inline void taskPlaceCarriedEntityOnMount(int32_t ped, int32_t entity, int32_t mount) {
    call<kTaskPlaceCarriedEntityOnMount>(ped, entity, mount, 0.0f);
}

inline void taskMountAnimal(int32_t ped, int32_t mount) {
    call<kTaskMountAnimal>(ped, mount, -1, -1, 1.5f, 1, 0, 0);
}

inline void taskWanderStandard(int32_t ped, float radius, int32_t flags) {
    call<kTaskWanderStandard>(ped, radius, flags);
}

inline int32_t createItemset(bool unused) {
    return call<kCreateItemset, int32_t>(unused);
}

// Fills the set with the pelts and carcasses the horse carries.
inline void findAllAttachedCarriableEntities(int32_t horse, int32_t itemset) {
    call<kFindAllAttachedCarriableEntities>(horse, itemset);
}

inline int32_t getItemsetSize(int32_t itemset) {
    return call<kGetItemsetSize, int32_t>(itemset);
}

inline int32_t getIndexedItemInItemset(int32_t index, int32_t itemset) {
    return call<kGetIndexedItemInItemset, int32_t>(index, itemset);
}

inline void destroyItemset(int32_t itemset) {
    call<kDestroyItemset>(itemset);
}

inline bool isEntityAPelt(int32_t entity) {
    return call<kGetIsCarriablePelt, bool>(entity);
}

// The quality of an animal or its carcass (0 poor, 1 good, 2 perfect).
inline int32_t getPedDamageCleanliness(int32_t entity) {
    return call<kGetPedDamageCleanliness, int32_t>(entity);
}

// The item of an animal's carcass of that cleanliness, written to *itemHash; false when it has
// none.
inline bool computeSatchelItemForPedDamage(uint32_t* itemHash, int32_t entity, int32_t quality) {
    return call<kComputeSatchelItemForPedDamage, bool>(itemHash, entity, quality);
}

// The item of a pelt; 0 for anything else.
inline uint32_t getCarriableFromEntity(int32_t entity) {
    return call<kGetCarriableFromEntity, uint32_t>(entity);
}

// The three condition tests a buyer weighs (factors 2, 0.85 through isPedSizeFixed, and 0.65).
inline bool getIsPredator(int32_t entity) {
    return call<kGetIsPredator, bool>(entity);
}

inline bool isEntityFullyLooted(int32_t entity) {
    return call<kIsEntityFullyLooted, bool>(entity);
}

}  // namespace bf::natives
