// Blips that mark entities, points and areas on the map. Styles, sprites and modifiers are game
// hashes of names; a sprite of 0 keeps the style's own.
#pragma once

#include <cstdint>
#include <string>

#include "core/vector3.h"

namespace bf {

int32_t createEntityBlip(int32_t entity, uint32_t style, uint32_t sprite);
int32_t createCoordBlip(Vector3 position, uint32_t style, uint32_t sprite);
int32_t createRadiusBlip(Vector3 position, float radius, uint32_t style, uint32_t sprite);
void setBlipModifier(int32_t blip, uint32_t modifier);
// Removes the blip only while the game still has it (it may have removed it already).
void removeBlip(int32_t* blip);
void setBlipName(int32_t blip, const std::string& text);

}  // namespace bf
