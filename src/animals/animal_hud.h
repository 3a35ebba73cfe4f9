// The population and weight HUD of the animal the player inspects: a gauge of the population of
// its type in the district where it stands (levels 0 to 10) with an animal icon on top, and an
// overweight or underweight badge from its size. The event pump sets the target when the game's
// inspect prompt opens the panel; the HUD drops it on the first frame the panel is closed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace bf {

class AnimalPopulationManager;

// A sprite's box in screen fractions: left, top, width, height.
struct HudBox {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

struct AnimalHudLayout {
    HudBox gauge;
    HudBox animalIcon;
    HudBox weightBadge;
};

// Computed once, in single precision: the gauge and the icon share the centre of the box at
// (0.295, 0.9), the badge sits just left of it.
AnimalHudLayout computeAnimalHudLayout();

class AnimalHud {
  public:
    explicit AnimalHud(AnimalPopulationManager& population);

    void setTarget(int32_t ped) {
        active_ = true;
        target_ = ped;
    }
    bool active() const { return active_; }
    int32_t target() const { return target_; }
    const AnimalHudLayout& layout() const { return layout_; }

    // Once per frame, last: draws the gauge and the badge while the inspection panel is open,
    // and forgets the target once it has closed.
    void onFrame();

  private:
    void drawPopulationGauge();
    void drawWeightBadge();

    AnimalPopulationManager& population_;
    bool active_ = false;
    int32_t target_ = 0;
    AnimalHudLayout layout_;
    // "rpg_tank_0" .. "rpg_tank_10", kept for the game to read while it draws.
    std::array<std::string, 11> gaugeTextures_;
};

}  // namespace bf
