// Ped attributes: display name, personality, animal tuning, the HUD.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_PED_ATTRIBUTES(X)                                                             \
    X(kSetPedPromptName, 0x4A48B6E03BABB4AC, "_SET_PED_PROMPT_NAME", 2, Void)                    \
    X(kSetPedInteractionPersonality, 0x24C82EF607105FAA, "_SET_PED_INTERACTION_PERSONALITY", 2,  \
      Void)                                                                                      \
    X(kGetAnimalTuningBoolParam, 0x1C1993824A396603, "GET_ANIMAL_TUNING_BOOL_PARAM", 2, Int32)   \
    X(kGetAnimalTuningFloatParam, 0x4BC3ECFDA0297E27, "GET_ANIMAL_TUNING_FLOAT_PARAM", 2, Float) \
    X(kHudHideThisFrame, 0xBF4F34A85CA2970D, "_HUD_HIDE_THIS_FRAME", 0, Void)

BF_NATIVES_PED_ATTRIBUTES(BF_NATIVE_DEFINE)

// The name shown when the player targets the ped; the text must outlive the call.
inline void setPedPromptName(int32_t ped, const char* name) {
    call<kSetPedPromptName>(ped, name);
}

inline void setPedInteractionPersonality(int32_t ped, uint32_t setting) {
    call<kSetPedInteractionPersonality>(ped, setting);
}

// A tuning flag of the animal's species, by index (28 herbivore, 58 bird, 64 fish ...): the same
// for every animal of the kind, nothing about this one.
inline bool getAnimalTuningBoolParam(int32_t ped, int32_t index) {
    return call<kGetAnimalTuningBoolParam, bool>(ped, index);
}

// Parameter 82: how far the animal notices a hunter, in metres.
inline float getAnimalTuningFloatParam(int32_t animal, int32_t parameter) {
    return call<kGetAnimalTuningFloatParam, float>(animal, parameter);
}

inline void hudHideThisFrame() {
    call<kHudHideThisFrame>();
}

}  // namespace bf::natives
