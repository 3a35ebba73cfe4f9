// Blips that mark entities, points and areas on the map. Styles, sprites and modifiers are game
// hashes of names; a sprite of hash 0 keeps the style's own.
#pragma once

#include <cstdint>
#include <string>

#include "core/natives.h"
#include "core/vector3.h"

namespace bf {

using natives::BlipSprite;
using natives::BlipStyle;

int32_t createEntityBlip(int32_t entity, BlipStyle style, BlipSprite sprite);
int32_t createCoordBlip(Vector3 position, BlipStyle style, BlipSprite sprite);
int32_t createRadiusBlip(Vector3 position, float radius, BlipStyle style, BlipSprite sprite);
void setBlipModifier(int32_t blip, uint32_t modifier);
// Removes the blip only while the game still has it (it may have removed it already).
void removeBlip(int32_t* blip);
void setBlipName(int32_t blip, const std::string& text);

}  // namespace bf
