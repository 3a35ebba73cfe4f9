// Animals: peds and animals: body, wounds, death, inspection.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_ANIMALS(X)                                                                     \
    X(kPlayerId, 0x217E9DC48139933D, "PLAYER_ID", 0, Int32)                                       \
    X(kGetSaddleHorseForPlayer, 0xB48050D326E9A2F3, "_GET_SADDLE_HORSE_FOR_PLAYER", 1, Int32)     \
    X(kGetEntityModel, 0xDA76A9F39210D365, "GET_ENTITY_MODEL", 1, Int32)                          \
    X(kGetEntityHeading, 0xC230DD956E2F5507, "GET_ENTITY_HEADING", 1, Float)                      \
    X(kGetEntityMaxHealth, 0x15D757606D170C3C, "GET_ENTITY_MAX_HEALTH", 2, Int32)                 \
    X(kSetEntityMaxHealth, 0x166E7CF68597D8B5, "SET_ENTITY_MAX_HEALTH", 2, Void)                  \
    X(kSetEntityHealth, 0xAC2767ED8BDFAB15, "SET_ENTITY_HEALTH", 3, Void)                         \
    X(kIsAnyUiappRunning, 0xDB30BEC7A7A5CBD3, "IS_ANY_UIAPP_RUNNING", 0, Int32)                   \
    X(kGetIsAnimal, 0x9A100F1CF4546629, "GET_IS_ANIMAL", 1, Int32)                                \
    X(kIsPedHuman, 0xB980061DA992779D, "IS_PED_HUMAN", 1, Int32)                                  \
    X(kIsThisModelAHorse, 0x772A1969F649E902, "_IS_THIS_MODEL_A_HORSE", 1, Int32)                 \
    X(kGetIsBird, 0xC346A546612C49A9, "_GET_IS_BIRD", 1, Int32)                                   \
    X(kGetPedQuality, 0x7BCC6087D130312A, "_GET_PED_QUALITY", 1, Int32)                           \
    X(kGetPedModelSizeFromHash, 0xA65AA1ACE81E5A77, "_GET_PED_MODEL_SIZE_FROM_HASH", 1, Int32)    \
    X(kSetPedScale, 0x25ACFC650B65C538, "_SET_PED_SCALE", 2, Void)                                \
    X(kEquipMetaPedOutfitPreset, 0x77FF8D35EEC6BBC4, "_EQUIP_META_PED_OUTFIT_PRESET", 3, Void)    \
    X(kUpdatePedVariation, 0xCC8CA3E88256E58F, "_UPDATE_PED_VARIATION", 6, Void)                  \
    X(kGetPedHeight, 0x1D491CCF7211FB74, "_GET_PED_HEIGHT", 1, Float)                             \
    X(kGetPedBoneCoords, 0x17C07FC640E86B4E, "GET_PED_BONE_COORDS", 5, Vector3)                   \
    X(kGetEntityHealthFloat, 0x96C638784DB4C815, "_GET_ENTITY_HEALTH_FLOAT", 1, Float)            \
    X(kIsPedInWrithe, 0xDEB6D52126E7D640, "IS_PED_IN_WRITHE", 1, Int32)                           \
    X(kGetPedIsBeingGrappled, 0x3BDFCF25B58B0415, "GET_PED_IS_BEING_GRAPPLED", 1, Int32)          \
    X(kIsPedRagdoll, 0x47E4E977581C5B55, "IS_PED_RAGDOLL", 1, Int32)                              \
    X(kGetPedLastDamageBone, 0xD75960F6BD9EA49C, "GET_PED_LAST_DAMAGE_BONE", 2, Int32)            \
    X(kApplyDamageToPed, 0x697157CED63F18D4, "APPLY_DAMAGE_TO_PED", 5, Void)                      \
    X(kSetPedToRagdoll, 0xAE99FB955581844A, "SET_PED_TO_RAGDOLL", 7, Int32)                       \
    X(kSetPedActivateWoundEffect, 0xFFD54D9FE71B966A, "_SET_PED_ACTIVATE_WOUND_EFFECT", 10, Void) \
    X(kUpdatePedWoundEffect, 0x66B1CB778D911F49, "_UPDATE_PED_WOUND_EFFECT", 2, Void)

BF_NATIVES_ANIMALS(BF_NATIVE_DEFINE)

// The game writes the bone's id.
BF_NATIVE_POINTERS(kGetPedLastDamageBone, {1, ::bf::PointerUse::Out})

// The player index (single player: always the same).
inline int32_t playerId() {
    return call<kPlayerId, int32_t>();
}

// The horse the player rides or last rode; 0 for none.
inline int32_t getSaddleHorseForPlayer(int32_t player) {
    return call<kGetSaddleHorseForPlayer, int32_t>(player);
}

inline uint32_t getEntityModel(int32_t entity) {
    return call<kGetEntityModel, uint32_t>(entity);
}

// Degrees, 0 to 360.
inline float getEntityHeading(int32_t entity) {
    return call<kGetEntityHeading, float>(entity);
}

// The entity's health when unhurt, in health points.
inline int32_t getEntityMaxHealth(int32_t entity) {
    return call<kGetEntityMaxHealth, int32_t>(entity, 0);
}

inline void setEntityMaxHealth(int32_t entity, int32_t health) {
    call<kSetEntityMaxHealth>(entity, health);
}

// Health points; `killer` is named as the source should the entity die of it (0: none).
inline void setEntityHealth(int32_t entity, int32_t health, int32_t killer) {
    call<kSetEntityHealth>(entity, health, killer);
}

// Nonzero while the panel of an inspected animal is on screen.
inline bool isAnyUiappRunning() {
    return call<kIsAnyUiappRunning, bool>();
}

inline bool isPedAnimal(int32_t ped) {
    return call<kGetIsAnimal, bool>(ped);
}

inline bool isPedHuman(int32_t ped) {
    return call<kIsPedHuman, bool>(ped);
}

inline bool isThisModelAHorse(uint32_t model) {
    return call<kIsThisModelAHorse, bool>(model);
}

// Animals whose size the game fixes (they are left at their size).
inline bool getIsBird(int32_t ped) {
    return call<kGetIsBird, bool>(ped);
}

// 0 poor, 1 good, 2 perfect.
inline int32_t getPedQuality(int32_t ped) {
    return call<kGetPedQuality, int32_t>(ped);
}

inline int32_t getPedModelSizeFromHash(uint32_t model) {
    return call<kGetPedModelSizeFromHash, int32_t>(model);
}

inline void setPedScale(int32_t ped, float scale) {
    call<kSetPedScale>(ped, scale);
}

// One of the model's own outfits (coat, colours, antlers ...) by the game's preset number.
inline void equipMetaPedOutfitPreset(int32_t ped, int32_t preset) {
    call<kEquipMetaPedOutfitPreset>(ped, preset, 0);
}

// The two calls that make a changed ped body show.
inline void updatePedVariation(int32_t ped) {
    call<kUpdatePedVariation>(ped, 0, 0, 0, 0, 0);
}

inline void getPedHeight(int32_t ped) {
    call<kGetPedHeight>(ped);
}

inline Vector3 getPedBoneCoords(int32_t ped, int32_t bone, float x, float y, float z) {
    return call<kGetPedBoneCoords, Vector3>(ped, bone, x, y, z);
}

// 1.0 unhurt.
inline float getPedHealthRatio(int32_t ped) {
    return call<kGetEntityHealthFloat, float>(ped);
}

inline bool isPedInWrithe(int32_t ped) {
    return call<kIsPedInWrithe, bool>(ped);
}

inline bool getPedIsBeingGrappled(int32_t ped) {
    return call<kGetPedIsBeingGrappled, bool>(ped);
}

inline bool isPedRagdoll(int32_t ped) {
    return call<kIsPedRagdoll, bool>(ped);
}

inline void getPedLastDamageBone(int32_t ped, int32_t* bone) {
    call<kGetPedLastDamageBone>(ped, bone);
}

inline void applyDamageToPed(int32_t ped, int32_t amount) {
    call<kApplyDamageToPed>(ped, amount, 1, -1, 0);
}

// The ped drops to the ground for minMs to maxMs.
inline void setPedToRagdoll(int32_t ped, int32_t minMs, int32_t maxMs) {
    call<kSetPedToRagdoll>(ped, minMs, maxMs, 0, 0, 0, 0);
}

// A blood wound at a bone: offset (z, x, y) from the bone, rotation, the two facing values, size.
inline void setPedActivateWoundEffect(int32_t ped, int32_t bone, float offsetZ, float offsetX,
                                      float offsetY, float rotation, float facing, float side,
                                      float size) {
    call<kSetPedActivateWoundEffect>(ped, 2, bone, offsetZ, offsetX, offsetY, rotation, facing,
                                     side, size);
}

inline void updatePedWoundEffect(int32_t ped) {
    call<kUpdatePedWoundEffect>(ped, 0);
}

}  // namespace bf::natives
