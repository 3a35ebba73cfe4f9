// Drawing: sprites.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_DRAWING(X) X(kDrawSprite, 0xC9884ECADE94CB34, "DRAW_SPRITE", 12, Void)

BF_NATIVES_DRAWING(BF_NATIVE_DEFINE)

// Position is the sprite's centre.
inline void drawSprite(const char* dictionary, const char* name, float centreX, float centreY,
                       float width, float height, float rotation, int32_t red, int32_t green,
                       int32_t blue, int32_t alpha) {
    call<kDrawSprite>(dictionary, name, centreX, centreY, width, height, rotation, red, green, blue,
                      alpha, true);
}

}  // namespace bf::natives
