// Streaming: texture dictionaries and models.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_STREAMING(X)                                                                  \
    X(kRequestStreamedTextureDict, 0xC1BA29DF5631B0F8, "REQUEST_STREAMED_TEXTURE_DICT", 2, Void) \
    X(kHasStreamedTextureDictLoaded, 0x54D6900929CCF162, "HAS_STREAMED_TEXTURE_DICT_LOADED", 1,  \
      Int32)                                                                                     \
    X(kRequestModel, 0xFA28FE3A6246FC30, "REQUEST_MODEL", 2, Void)                               \
    X(kHasModelLoaded, 0x1283B8B89DD5D1B6, "HAS_MODEL_LOADED", 1, Int32)

BF_NATIVES_STREAMING(BF_NATIVE_DEFINE)

inline void requestStreamedTextureDict(const char* dictionary, bool unused) {
    call<kRequestStreamedTextureDict>(dictionary, unused);
}

inline bool hasStreamedTextureDictLoaded(const char* dictionary) {
    return call<kHasStreamedTextureDictLoaded, bool>(dictionary);
}

inline void requestModel(uint32_t model, bool unused) {
    call<kRequestModel>(model, unused);
}

inline bool hasModelLoaded(uint32_t model) {
    return call<kHasModelLoaded, bool>(model);
}

}  // namespace bf::natives
