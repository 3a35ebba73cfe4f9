// The animal the player inspects, for the population and weight HUD. The event pump sets it when
// the game's inspect prompt opens the panel; the HUD drops it once the panel closes.
#pragma once

#include <cstdint>

namespace bf {

class AnimalHud {
  public:
    void setTarget(int32_t ped) {
        active_ = true;
        target_ = ped;
    }
    bool active() const { return active_; }
    int32_t target() const { return target_; }

  private:
    bool active_ = false;
    int32_t target_ = 0;
};

}  // namespace bf
