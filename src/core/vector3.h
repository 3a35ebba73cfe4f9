// Vector3: a position or direction in metres, z up. NativeVector3 is the layout the game uses
// when a position crosses the native boundary (each component in its own 8-byte slot).
#pragma once

#include <cmath>
#include <cstdint>

namespace bf {

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// Plain single-precision arithmetic, no natives.
inline Vector3 operator+(Vector3 a, Vector3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vector3 operator-(Vector3 a, Vector3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vector3 operator*(Vector3 v, float scalar) {
    return {v.x * scalar, v.y * scalar, v.z * scalar};
}
inline float length(Vector3 v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}
// The length in the horizontal plane (heights ignored).
inline float horizontalLength(Vector3 v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}
// Distances are plain arithmetic on positions the caller has read (what the game's distance query
// computes), so measuring costs no native call.
inline float distance(Vector3 a, Vector3 b) {
    return length(a - b);
}
// In the horizontal plane: spawn locations carry no height, camp spots and peds do.
inline float planarDistance(Vector3 a, Vector3 b) {
    return horizontalLength(a - b);
}

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
