// Population: kills and animal type names.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_POPULATION(X)                                                 \
    X(kGetPedTimeOfDeath, 0x1E98817B311AE98A, "GET_PED_TIME_OF_DEATH", 1, Int32) \
    X(kGetAnimalIsWild, 0x3B005FF0538ED2A9, "_GET_ANIMAL_IS_WILD", 1, Int32)     \
    X(kGetStringFromHashKey, 0xBD5DD5EAE2B6CE14, "GET_STRING_FROM_HASH_KEY", 1, String)

BF_NATIVES_POPULATION(BF_NATIVE_DEFINE)

// The game time the ped died at; 0 while it lives.
inline int32_t getPedTimeOfDeath(int32_t ped) {
    return call<kGetPedTimeOfDeath, int32_t>(ped);
}

// Nonzero for an animal whose body the player can skin or carry.
inline bool getAnimalIsWild(int32_t ped) {
    return call<kGetAnimalIsWild, bool>(ped);
}

// The game's name of a hash it knows (an animal type); may be null.
inline const char* getStringFromHash(uint32_t hash) {
    return call<kGetStringFromHashKey, const char*>(hash);
}

}  // namespace bf::natives
