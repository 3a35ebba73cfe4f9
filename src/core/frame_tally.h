// FrameTally: the native calls of the frame now running, by what the plug-in was doing when it
// made them. Every call through invoke (core/native.h) counts towards the activity marked
// innermost at that moment; the spine and the features mark their work with ScopedActivity.
// The tally starts afresh whenever the script resumes after yielding (waitForGame), so between
// two frames it holds exactly the calls of the frame that has just ended.
//
// The cost report of the tools (the worst frame) reads it; the plug-in itself never does. Keeping
// it costs an increment per native call and nothing else: no allocation, no file access.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace bf {

enum class Activity : uint8_t {
    Frame,  // the spine's own work between the features
    StartUp,
    Texts,
    MapAreas,
    AnimalEvents,
    Competitions,
    CompetitionCreation,
    CompetitionCamp,
    CompetitionAnimals,
    Bait,
    Trading,
    Population,
    PopulationSave,
    AnimalHud,
    Count,
};

// "start-up", "competition creation" ...
const char* activityName(Activity activity);

class FrameTally {
  public:
    void countCall() { ++calls_[static_cast<size_t>(current_)]; }
    void newFrame() { calls_.fill(0); }
    Activity current() const { return current_; }
    // Marks `activity` as the current one; returns the one it replaces.
    Activity enter(Activity activity) {
        const Activity previous = current_;
        current_ = activity;
        return previous;
    }
    uint32_t calls(Activity activity) const { return calls_[static_cast<size_t>(activity)]; }
    uint32_t total() const;

  private:
    Activity current_ = Activity::Frame;
    std::array<uint32_t, static_cast<size_t>(Activity::Count)> calls_{};
};

// The running plug-in's tally (core/runtime.h).
FrameTally& frameTally();
// Counts one native call (invoke calls it); nothing when no runtime is installed.
void countNativeCall();

// Marks the work of its scope; the mark before it is back when it ends.
class ScopedActivity {
  public:
    explicit ScopedActivity(Activity activity) : previous_(frameTally().enter(activity)) {}
    ~ScopedActivity() { frameTally().enter(previous_); }
    ScopedActivity(const ScopedActivity&) = delete;
    ScopedActivity& operator=(const ScopedActivity&) = delete;

  private:
    Activity previous_;
};

// Yields to the game (0: until the next frame, otherwise for that much game time); the tally
// starts afresh when the script resumes. Every wait of the plug-in goes through here.
void waitForGame(uint32_t milliseconds);

}  // namespace bf
