// Speech: ambient speech.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_SPEECH(X) \
    X(kPlayPedAmbientSpeechNative, 0x8E04FEDD28D42462, "PLAY_PED_AMBIENT_SPEECH_NATIVE", 2, Int32)

BF_NATIVES_SPEECH(BF_NATIVE_DEFINE)

// `params` points at the game's eight-slot speech block (see world/peds.cpp): the game
// reads all eight 8-byte slots.
inline void playPedAmbientSpeech(int32_t ped, const void* params) {
    call<kPlayPedAmbientSpeechNative>(ped, params);
}

}  // namespace bf::natives
