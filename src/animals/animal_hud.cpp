#include "animals/animal_hud.h"

#include "animals/animal_population.h"
#include "core/decorators.h"
#include "core/frame_tally.h"
#include "core/natives.h"
#include "core/settings.h"
#include "ui/messages.h"

namespace bf {

namespace {

constexpr float kLeft = 0.295f;
constexpr float kTop = 0.9f;
constexpr float kWidth = 0.0242f;
constexpr float kGaugeSize = 1.05f;
constexpr float kIconSize = 0.7f;
// Above this scale an animal is overweight.
constexpr float kOverweightScale = 0.95f;

HudBox centredIn(float size, float width, float height) {
    return {(width - size * width) * 0.5f + kLeft, (height - size * height) * 0.5f + kTop,
            size * width, size * height};
}

void drawIcon(const char* dictionary, const char* texture, const HudBox& box) {
    drawSprite(dictionary, texture, box.x, box.y, box.width, box.height, 0.0f, 229, 229, 229, 255);
}

}  // namespace

AnimalHudLayout computeAnimalHudLayout() {
    // Sprites are square on a 16:9 screen.
    const float height = kWidth * 16.0f * 0.11111111f;
    return {centredIn(kGaugeSize, kWidth, height),
            centredIn(kIconSize, kWidth, height),
            {kLeft - kWidth - 0.001f, kTop, kWidth, height}};
}

AnimalHud::AnimalHud(AnimalPopulationManager& population)
    : population_(population), layout_(computeAnimalHudLayout()) {
    for (size_t level = 0; level < gaugeTextures_.size(); ++level)
        gaugeTextures_[level] = "rpg_tank_" + std::to_string(level);
}

void AnimalHud::onFrame() {
    const ScopedActivity mark(Activity::AnimalHud);
    if (!active_) return;
    if (getSettingBool("HUD_PopulationStatus") && getSettingBool("DynamicAnimalPopulation"))
        drawPopulationGauge();
    if (getSettingBool("HUD_AnimalsWeight") && getSettingBool("DynamicAnimalSizes"))
        drawWeightBadge();
    if (!natives::isAnyUiappRunning()) {
        active_ = false;
        target_ = 0;
    }
}

void AnimalHud::drawPopulationGauge() {
    if (natives::isThisModelAHorse(natives::getEntityModel(target_))) return;
    if (!natives::getAnimalIsWild(target_)) return;
    const float factor = population_.effectiveFactorOfPed(target_);
    if (!(factor >= 0.0f)) return;
    const auto level = static_cast<size_t>(factor * 10.0f);
    if (level >= gaugeTextures_.size()) return;
    drawIcon("rpg_menu_item_effects", gaugeTextures_[level].c_str(), layout_.gauge);
    drawIcon("blips", "blip_animal", layout_.animalIcon);
}

void AnimalHud::drawWeightBadge() {
    const float scale = natives::decorGetFloat(target_, kDecorScale);
    if (!(scale > 0.0f)) return;
    drawIcon("rpg_textures", scale > kOverweightScale ? "rpg_overweight" : "rpg_underweight",
             layout_.weightBadge);
}

}  // namespace bf
