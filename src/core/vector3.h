// Vector3: a position or direction in metres, z up. NativeVector3 is the layout the game uses
// when a position crosses the native boundary (each component in its own 8-byte slot).
#pragma once

#include <cstdint>

namespace bf {

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

struct alignas(8) NativeVector3 {
    float x = 0.0f;
    uint32_t padX = 0;
    float y = 0.0f;
    uint32_t padY = 0;
    float z = 0.0f;
    uint32_t padZ = 0;

    Vector3 toVector() const { return {x, y, z}; }
};
static_assert(sizeof(NativeVector3) == 24);

}  // namespace bf
