// The simulated game: the frame loop, the clocks, the native table and the world, standing where
// the game and the script hook stand. One game is current at a time; the hook functions serve it.
//
// A frame: the game timer advances 33 ms, the world takes its step (world/step.h), the script runs
// if its wait is over, then the frame ends (events cleared, texts and sprites of the frame let
// go, per-frame counts kept).
// Natives may also be called from the test's own thread between frames; a scriptWait there
// simply runs the game forward.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sim/natives/native_table.h"
#include "sim/world/random.h"
#include "sim/world/world.h"

namespace sim {

class ScriptThread;

struct GameOptions {
    uint32_t seed = 1;
    bool strict = true;
    // Keep every call of the last frame (for --trace).
    bool recordLastFrame = false;
    // The world takes its step each frame (a replay, whose answers come from a recording, turns
    // it off).
    bool stepWorld = true;
};

// What stands where the game's answers come from, when something else than the simulated world
// answers the script: a replay of a recording (tools/replay). It gets every call and wait of the
// script instead of the native table; the game keeps its frames, counts and trace.
class HookInterceptor {
  public:
    virtual ~HookInterceptor() = default;
    // Fills the result slots (zeroed before); false when the call is not the one expected, and
    // the game then stops the script for good (the interceptor has said why with Game::fail).
    virtual bool nativeCall(uint64_t hash, const uint64_t* args, size_t count,
                            uint64_t* results) = 0;
    // The script waits; false stops it for good, as above.
    virtual bool scriptWait(uint32_t milliseconds) = 0;
    // The script runs again after its wait.
    virtual void scriptResumed() = 0;
};

struct TimelineEntry {
    uint32_t timer = 0;
    std::string category;
    std::string text;
};

class Game {
  public:
    using PluginEntry = bool (*)(void* module, uint32_t reason);
    using ScriptEntry = void (*)();

    static constexpr uint32_t kFrameMs = 33;
    static constexpr uint32_t kTimerStart = 7315482;
    // Clock A, in game seconds: day 2, 08:30, running 30 times faster than the timer.
    static constexpr uint32_t kClockAStart = 2 * 86400 + 8 * 3600 + 30 * 60;
    static constexpr uint32_t kMsPerGameMinute = 2000;

    explicit Game(GameOptions options = {});
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    static Game* current();

    // The plug-in: the library entry is called with attach; it registers its script.
    void attach(PluginEntry entry);
    void detach();
    bool scriptRegistered() const { return script_ != nullptr; }
    bool keyboardHandlerRegistered() const { return keyboardHandler_ != nullptr; }
    void* keyboardHandler() const { return keyboardHandler_; }

    void runFrame();
    void runFrames(uint64_t count);
    // Runs frames until at least `ms` of game time have passed.
    void advance(uint32_t ms);

    uint64_t frame() const { return frame_; }
    uint32_t timer() const { return timer_; }
    // Clock A in game seconds.
    uint32_t clockA() const;
    // The script's own timer (milliseconds of game timer since it was last set; it starts at 0
    // when the script is registered).
    int32_t scriptTimer() const { return static_cast<int32_t>(timer_ - scriptTimerBase_); }
    void setScriptTimer(int32_t ms) { scriptTimerBase_ = timer_ - static_cast<uint32_t>(ms); }
    // Timer B, set and read on its own.
    int32_t scriptTimerB() const { return static_cast<int32_t>(timer_ - scriptTimerBBase_); }
    void setScriptTimerB(int32_t ms) { scriptTimerBBase_ = timer_ - static_cast<uint32_t>(ms); }

    NativeTable& natives() { return natives_; }
    World& world() { return world_; }
    const World& world() const { return world_; }
    Random& random() { return world_.random; }
    const GameOptions& options() const { return options_; }

    size_t callsLastFrame() const { return callsLastFrame_; }
    const std::vector<RecordedCall>& lastFrameCalls() const { return lastFrameCalls_; }
    // Recording of every call, for tests that pin exact call sequences.
    void setRecording(bool on) { recording_ = on; }
    const std::vector<RecordedCall>& recorded() const { return recorded_; }
    void clearRecorded() { recorded_.clear(); }
    // Calls of one native among the recorded ones.
    std::vector<RecordedCall> recordedOf(uint64_t hash) const;

    bool failed() const { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }
    void fail(const std::string& why);

    // What happened, for the scenario timeline.
    void report(std::string category, std::string text);
    std::vector<TimelineEntry> takeTimeline();

    // Every call and wait of the script goes to `interceptor` (null: the native table and the
    // game's clock answer again). A script waiting under it wakes on the next frame whatever
    // time it asked for: the interceptor answers the clocks.
    void setInterceptor(HookInterceptor* interceptor) { interceptor_ = interceptor; }

    // A test's own world behaviour: runs every frame after the world's step, before the script.
    void onFrameStart(std::function<void()> step) { frameStart_.push_back(std::move(step)); }

    // The hook side (sim/hook.cpp).
    void hookScriptRegister(void* module, ScriptEntry entry);
    void hookScriptUnregister(void* module);
    void hookKeyboardRegister(void* handler);
    void hookKeyboardUnregister(void* handler);
    void hookWait(uint32_t ms);
    void hookNativeInit(uint64_t hash);
    void hookNativePush(uint64_t word);
    uint64_t* hookNativeCall();

  private:
    void endFrame();
    std::string describeCall() const;

    GameOptions options_;
    NativeTable natives_;
    World world_;

    uint64_t frame_ = 0;
    uint32_t timer_ = kTimerStart;

    PluginEntry pluginEntry_ = nullptr;
    void* module_ = nullptr;
    ScriptEntry scriptEntry_ = nullptr;
    std::unique_ptr<ScriptThread> script_;
    uint32_t scriptWakeAt_ = 0;
    uint32_t scriptTimerBase_ = kTimerStart;
    uint32_t scriptTimerBBase_ = kTimerStart;
    void* keyboardHandler_ = nullptr;

    static constexpr size_t kMaxArgs = 32;
    uint64_t callHash_ = 0;
    uint64_t callArgs_[kMaxArgs] = {};
    size_t callArgCount_ = 0;
    bool callOverflow_ = false;
    uint64_t results_[4] = {};
    // The game leaves the upper half of a 32-bit result's slot as it was; these stale words come
    // from a generator of their own, so that the world's draws do not move with them.
    uint64_t staleState_ = 0;
    uint32_t nextStaleWord();
    // The call in progress, into the recording and the frame's calls (when either is kept).
    void recordCall(const NativeInfo* info);

    size_t callsThisFrame_ = 0;
    size_t callsLastFrame_ = 0;
    bool recording_ = false;
    std::vector<RecordedCall> recorded_;
    std::vector<RecordedCall> thisFrameCalls_;
    std::vector<RecordedCall> lastFrameCalls_;

    HookInterceptor* interceptor_ = nullptr;
    std::string failure_;
    std::vector<TimelineEntry> timeline_;
    std::vector<std::function<void()>> frameStart_;
};

// Registers every native the simulated game implements (natives/registry.cpp).
void registerAllNatives(Game& game);

}  // namespace sim
