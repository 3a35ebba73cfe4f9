// Decorators: decorators.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_DECORATORS(X)                                       \
    X(kDecorRegister, 0x0B253D644E3C36B3, "DECOR_REGISTER", 2, Void)   \
    X(kDecorSetFloat, 0x238F8B0C1C7FE834, "DECOR_SET_FLOAT", 3, Int32) \
    X(kDecorSetInt, 0xE88F4D7F52A6090F, "DECOR_SET_INT", 3, Int32)     \
    X(kDecorGetFloat, 0xE5FF70CD842CA9D4, "DECOR_GET_FLOAT", 2, Float) \
    X(kDecorGetInt, 0x44DB62727762FD9B, "DECOR_GET_INT", 2, Int32)

BF_NATIVES_DECORATORS(BF_NATIVE_DEFINE)

// Type codes: 1 float, 3 integer.
inline void decorRegister(const char* name, int32_t typeCode) {
    call<kDecorRegister>(name, typeCode);
}

inline void decorSetFloat(int32_t entity, const char* name, float value) {
    call<kDecorSetFloat>(entity, name, value);
}

inline void decorSetInt(int32_t entity, const char* name, int32_t value) {
    call<kDecorSetInt>(entity, name, value);
}

// 0.0 when the decorator was never set on the entity.
inline float decorGetFloat(int32_t entity, const char* name) {
    return call<kDecorGetFloat, float>(entity, name);
}

// 0 when the decorator was never set on the entity.
inline int32_t decorGetInt(int32_t entity, const char* name) {
    return call<kDecorGetInt, int32_t>(entity, name);
}

}  // namespace bf::natives
