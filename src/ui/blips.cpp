#include "ui/blips.h"

#include "core/natives.h"
#include "ui/messages.h"

namespace bf {

namespace {

int32_t withSprite(int32_t blip, BlipSprite sprite) {
    if (sprite.hash != 0) natives::setBlipSprite(blip, sprite, false);
    return blip;
}

}  // namespace

int32_t createEntityBlip(int32_t entity, BlipStyle style, BlipSprite sprite) {
    return withSprite(natives::blipAddForEntity(style, entity), sprite);
}

int32_t createCoordBlip(Vector3 position, BlipStyle style, BlipSprite sprite) {
    return withSprite(natives::blipAddForCoords(style, position), sprite);
}

int32_t createRadiusBlip(Vector3 position, float radius, BlipStyle style, BlipSprite sprite) {
    return withSprite(natives::blipAddForRadius(style, position, radius), sprite);
}

void setBlipModifier(int32_t blip, uint32_t modifier) {
    natives::blipAddModifier(blip, modifier);
}

void removeBlip(int32_t* blip) {
    if (blip && natives::doesBlipExist(*blip)) natives::removeBlip(blip);
}

void setBlipName(int32_t blip, const std::string& text) {
    natives::setBlipName(blip, makeLiteralText(text.c_str()));
}

}  // namespace bf
