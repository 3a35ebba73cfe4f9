// AsyncPedTask: a ped's behaviour written as a small state machine that its owner steps from its
// per-frame work. Between steps the game's own task system carries the ped's actions; a step
// checks how they went and issues new ones, and may put the task to sleep for a while.
//
// The owner calls isRunning() every frame and, while it is true, tick().
#pragma once

#include <cstdint>

namespace bf {

class AsyncPedTask {
  public:
    explicit AsyncPedTask(int32_t ped) : ped_(ped) {}
    virtual ~AsyncPedTask() = default;

    virtual bool hasFailed() = 0;
    virtual bool hasSucceeded() { return false; }
    virtual bool isRunning() { return !hasFailed() && !hasSucceeded(); }

    // Steps unless asleep. `now` is the game timer of this frame: an owner that has read it
    // already passes it on, so that one frame asks the game for the time once.
    void tick(uint32_t now);
    void tick();
    int32_t getPed() const { return ped_; }

  protected:
    virtual void step() = 0;
    // For step(): sleeps from the time of the current tick.
    void sleepFor(int32_t ms);
    // The game timer of the current tick, and whether it has reached a deadline.
    uint32_t now() const { return now_; }
    bool reached(uint32_t deadline) const { return static_cast<int32_t>(now_ - deadline) >= 0; }

  private:
    int32_t ped_;
    uint32_t now_ = 0;
    uint32_t nextRunTime_ = 0;
    bool sleeping_ = false;
};

}  // namespace bf
