// Blips: map blips.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_BLIPS(X)                                                   \
    X(kBlipAddForEntity, 0x23F74C2FDA6E7C61, "BLIP_ADD_FOR_ENTITY", 2, Int32) \
    X(kBlipAddForCoords, 0x554D9D53F696D002, "BLIP_ADD_FOR_COORDS", 4, Int32) \
    X(kBlipAddForRadius, 0x45F13B7E0A15C880, "BLIP_ADD_FOR_RADIUS", 5, Int32) \
    X(kSetBlipSprite, 0x74F74D3207ED525C, "SET_BLIP_SPRITE", 3, Void)         \
    X(kBlipAddModifier, 0x662D364ABF16DE2F, "BLIP_ADD_MODIFIER", 2, Int32)    \
    X(kDoesBlipExist, 0xCD82FA174080B3B1, "DOES_BLIP_EXIST", 1, Int32)        \
    X(kRemoveBlip, 0xF2C3C9DA47AAA54A, "REMOVE_BLIP", 1, Void)                \
    X(kSetBlipName, 0x9CB1A1623062F402, "_SET_BLIP_NAME", 2, Void)

BF_NATIVES_BLIPS(BF_NATIVE_DEFINE)

// The game reads the blip and clears the handle.
BF_NATIVE_POINTERS(kRemoveBlip, {0, ::bf::PointerUse::InOut})

// A blip's style and its sprite are both name hashes that sit beside entity handles in calls;
// their own types keep them from trading places.
struct BlipStyle {
    uint32_t hash = 0;
};

struct BlipSprite {
    uint32_t hash = 0;
};

inline int32_t blipAddForEntity(BlipStyle style, int32_t entity) {
    return call<kBlipAddForEntity, int32_t>(style.hash, entity);
}

inline int32_t blipAddForCoords(BlipStyle style, Vector3 position) {
    return call<kBlipAddForCoords, int32_t>(style.hash, position);
}

inline int32_t blipAddForRadius(BlipStyle style, Vector3 position, float radius) {
    return call<kBlipAddForRadius, int32_t>(style.hash, position, radius);
}

inline void setBlipSprite(int32_t blip, BlipSprite sprite, bool unused) {
    call<kSetBlipSprite>(blip, sprite.hash, unused);
}

inline void blipAddModifier(int32_t blip, uint32_t modifier) {
    call<kBlipAddModifier>(blip, modifier);
}

inline bool doesBlipExist(int32_t blip) {
    return call<kDoesBlipExist, bool>(blip);
}

// Removes the blip and zeroes the handle.
inline void removeBlip(int32_t* blip) {
    call<kRemoveBlip>(blip);
}

inline void setBlipName(int32_t blip, uint64_t textHandle) {
    call<kSetBlipName>(blip, textHandle);
}

}  // namespace bf::natives
