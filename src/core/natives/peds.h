// Peds: ped creation, nearby peds, types and groups.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_PEDS(X)                                                                     \
    X(kCreatePed, 0xD49F9B0955C367DE, "CREATE_PED", 9, Int32)                                  \
    X(kSetRandomOutfitVariation, 0x283978A15512B2FE, "_SET_RANDOM_OUTFIT_VARIATION", 2, Void)  \
    X(kGetPedNearbyPeds, 0x23F8F5FC7E8C4A6B, "GET_PED_NEARBY_PEDS", 4, Int32)                  \
    X(kGetPedAnimalType, 0x964000D355219FC0, "_GET_PED_ANIMAL_TYPE", 1, Int32)                 \
    X(kGetPedRelationshipGroupHash, 0x7DBDD04862D95F04, "GET_PED_RELATIONSHIP_GROUP_HASH", 1,  \
      Int32)                                                                                   \
    X(kGetPedLastWeaponImpactCoord, 0x6C4D0409BA1A2BC2, "GET_PED_LAST_WEAPON_IMPACT_COORD", 2, \
      Int32)

BF_NATIVES_PEDS(BF_NATIVE_DEFINE)

// The game reads the capacity in slot 0 and fills the slots after it; it writes a position
// as three 8-byte slots.
BF_NATIVE_POINTERS(kGetPedNearbyPeds,
                   {1, ::bf::PointerUse::InOut, ::bf::bfrec::SizeRule::CountPrefixed})
BF_NATIVE_POINTERS(kGetPedLastWeaponImpactCoord, {1, ::bf::PointerUse::Out})

// A new ped of a loaded model; 0 when the model is not loaded.
inline int32_t createPed(uint32_t model, Vector3 position) {
    return call<kCreatePed, int32_t>(model, position, 0.0f, 0, 0, 0, 0);
}

// Dresses a new ped in one of its model's outfits; without it the ped shows no clothes.
inline void setRandomOutfitVariation(int32_t ped, bool unused) {
    call<kSetRandomOutfitVariation>(ped, unused);
}

// Fills slots 1.. of `buffer` (slot 0 holds the capacity) with peds near `ped`; returns the count.
inline int32_t getPedNearbyPeds(int32_t ped, int64_t* buffer, int32_t ignoredPedType,
                                int32_t unused) {
    return call<kGetPedNearbyPeds, int32_t>(ped, buffer, ignoredPedType, unused);
}

// The animal type hash of a ped (the population's type key).
inline uint32_t getPedAnimalType(int32_t ped) {
    return call<kGetPedAnimalType, uint32_t>(ped);
}

inline uint32_t getPedRelationshipGroupHash(int32_t ped) {
    return call<kGetPedRelationshipGroupHash, uint32_t>(ped);
}

// Where the ped's last shot hit; false when it has none.
inline bool getPedLastWeaponImpactCoord(int32_t ped, NativeVector3* impact) {
    return call<kGetPedLastWeaponImpactCoord, bool>(ped, impact);
}

}  // namespace bf::natives
