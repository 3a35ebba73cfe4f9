// AnimalEventsHandler: once a frame it reads the game's event queue (group 0) and hands the events
// the hunting features care about to their handlers (a ped created: sizes and culling; an entity
// damaged: bleeding and depletion; the inspect prompt: the HUD target), then runs the bleeding
// tick. One instance lives from start-up to the end of the process.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace bf {

class AnimalHud;
class DictDataFile;
class PopulationSteps;

class AnimalEventsHandler {
  public:
    // The game writes one value per 8-byte slot; no event we read has more than 10.
    static constexpr int32_t kEventSlots = 50;

    AnimalEventsHandler(PopulationSteps& population, AnimalHud& hud,
                        const DictDataFile& generalMeta)
        : population_(population), hud_(hud), generalMeta_(generalMeta) {}

    // The frame operation: the event pump, then the bleeding tick.
    void onFrame();
    const std::vector<int32_t>& bleedingPeds() const { return bleeding_; }

  private:
    void pumpEvents();
    void onEntityDamaged(int32_t damaged, int32_t attacker, uint32_t weapon);
    // True when it had to wait for the game (the queue is then the next frame's).
    bool onPromptTriggered();
    int32_t slot(int32_t index) const { return static_cast<int32_t>(eventData_[index]); }

    PopulationSteps& population_;
    AnimalHud& hud_;
    const DictDataFile& generalMeta_;
    std::vector<int32_t> bleeding_;
    std::array<uint64_t, kEventSlots> eventData_{};
};

}  // namespace bf
