// Weapons: what a weapon is, and what a ped holds.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_WEAPONS(X)                                                             \
    X(kHasPedGotWeapon, 0x8DECB02F88F428BC, "HAS_PED_GOT_WEAPON", 4, Int32)               \
    X(kGiveDelayedWeaponToPed, 0xB282DC6EBD803C75, "GIVE_DELAYED_WEAPON_TO_PED", 5, Void) \
    X(kSetCurrentPedWeapon, 0xADF692B254977C0C, "SET_CURRENT_PED_WEAPON", 6, Void)        \
    X(kGetCurrentPedWeapon, 0x3A87E44BB9A01D54, "GET_CURRENT_PED_WEAPON", 5, Int32)       \
    X(kIsWeaponLasso, 0x6E4E1A82081EABED, "_IS_WEAPON_LASSO", 1, Int32)                   \
    X(kIsWeaponAGun, 0x705BE297EEBDB95D, "IS_WEAPON_A_GUN", 1, Int32)                     \
    X(kIsWeaponBow, 0xC4DEC3CA8C365A5D, "IS_WEAPON_BOW", 1, Int32)                        \
    X(kIsWeaponRifle, 0x0A82317B7EBFC420, "IS_WEAPON_RIFLE", 1, Int32)                    \
    X(kIsWeaponSniper, 0x6AD66548840472E5, "_IS_WEAPON_SNIPER", 1, Int32)

BF_NATIVES_WEAPONS(BF_NATIVE_DEFINE)

// The game writes the weapon's hash.
BF_NATIVE_POINTERS(kGetCurrentPedWeapon, {1, ::bf::PointerUse::Out})

inline bool hasPedGotWeapon(int32_t ped, uint32_t weapon) {
    return call<kHasPedGotWeapon, bool>(ped, weapon, 0, 0);
}

inline void giveDelayedWeaponToPed(int32_t ped, uint32_t weapon, int32_t ammunition) {
    call<kGiveDelayedWeaponToPed>(ped, weapon, ammunition, 0, 0);
}

inline void setCurrentPedWeapon(int32_t ped, uint32_t weapon, bool equipNow) {
    call<kSetCurrentPedWeapon>(ped, weapon, equipNow, 0, 0, 0);
}

// Writes the weapon held at an attach point (0 = the main hand) into *weapon.
inline bool getCurrentPedWeapon(int32_t ped, uint64_t* weapon, int32_t attachPoint) {
    return call<kGetCurrentPedWeapon, bool>(ped, weapon, 0, attachPoint, 0);
}

inline bool isWeaponLasso(uint32_t weapon) {
    return call<kIsWeaponLasso, bool>(weapon);
}

inline bool isWeaponAGun(uint32_t weapon) {
    return call<kIsWeaponAGun, bool>(weapon);
}

inline bool isWeaponBow(uint32_t weapon) {
    return call<kIsWeaponBow, bool>(weapon);
}

inline bool isWeaponRifle(uint32_t weapon) {
    return call<kIsWeaponRifle, bool>(weapon);
}

inline bool isWeaponSniper(uint32_t weapon) {
    return call<kIsWeaponSniper, bool>(weapon);
}

}  // namespace bf::natives
