#include "sim/game.h"

#include <cstdio>

#include "sim/script_thread.h"
#include "sim/world/step.h"

namespace sim {

namespace {
Game* gCurrent = nullptr;
constexpr uint32_t kAttach = 1;
constexpr uint32_t kDetach = 0;
// The module handle the loader gives the plug-in.
void* const kPluginModule = reinterpret_cast<void*>(0x7FF61A200000ull);
}  // namespace

Game::Game(GameOptions options)
    : options_(options), world_(options.seed), staleState_(0x5EED0000ull ^ options.seed) {
    gCurrent = this;
    Entity& player = world_.entities.create(EntityKind::Ped, kModelArthur,
                                            Vec3{1521.5f, 439.356f, 90.6807f}, 90.0f);
    applyModel(player, *world_.models.find(kModelArthur));
    player.dressed = true;
    player.weapons = {{kWeaponUnarmed, 0}, {kWeaponPlayerRifle, 60}};
    player.currentWeapon = kWeaponPlayerRifle;
    world_.player.ped = player.handle;
    registerAllNatives(*this);
}

Game::~Game() {
    script_.reset();
    if (gCurrent == this) gCurrent = nullptr;
}

Game* Game::current() {
    return gCurrent;
}

uint32_t Game::clockA() const {
    return kClockAStart +
           static_cast<uint32_t>(static_cast<uint64_t>(timer_ - kTimerStart) * 30 / 1000);
}

void Game::attach(PluginEntry entry) {
    pluginEntry_ = entry;
    entry(kPluginModule, kAttach);
}

void Game::detach() {
    if (pluginEntry_) pluginEntry_(kPluginModule, kDetach);
    pluginEntry_ = nullptr;
}

void Game::hookScriptRegister(void* module, ScriptEntry entry) {
    module_ = module;
    scriptEntry_ = entry;
    script_ = std::make_unique<ScriptThread>([entry] { entry(); });
    scriptWakeAt_ = timer_;
    scriptTimerBase_ = timer_;
    scriptTimerBBase_ = timer_;
}

void Game::hookScriptUnregister(void* module) {
    if (module == module_) {
        script_.reset();
        scriptEntry_ = nullptr;
        module_ = nullptr;
    }
}

void Game::hookKeyboardRegister(void* handler) {
    keyboardHandler_ = handler;
}

void Game::hookKeyboardUnregister(void* handler) {
    if (handler == keyboardHandler_) keyboardHandler_ = nullptr;
}

void Game::runFrame() {
    ++frame_;
    timer_ += kFrameMs;
    callsThisFrame_ = 0;
    thisFrameCalls_.clear();
    if (options_.stepWorld) stepWorld(*this);
    for (auto& step : frameStart_)
        step();
    if (script_ && !failed() && static_cast<int32_t>(timer_ - scriptWakeAt_) >= 0) {
        world_.events.scriptTurn(true);
        script_->resume();
        world_.events.scriptTurn(false);
    }
    endFrame();
}

void Game::endFrame() {
    // Events are the frame's own: whatever scripts did not read is gone when the frame ends.
    world_.events.endFrame();
    for (const ShownText& shown : world_.screen.endFrame()) {
        // Drawn texts come every frame; the timeline keeps what the player is told once.
        if (shown.kind != "text") report("screen", shown.kind + ": " + shown.text);
    }
    callsLastFrame_ = callsThisFrame_;
    if (options_.recordLastFrame) lastFrameCalls_.swap(thisFrameCalls_);
}

void Game::runFrames(uint64_t count) {
    for (uint64_t i = 0; i < count && !failed(); ++i)
        runFrame();
}

void Game::advance(uint32_t ms) {
    const uint32_t until = timer_ + ms;
    while (static_cast<int32_t>(until - timer_) > 0 && !failed())
        runFrame();
}

void Game::hookWait(uint32_t ms) {
    if (interceptor_ && ScriptThread::onScriptThread()) {
        const bool goOn = interceptor_->scriptWait(ms);
        scriptWakeAt_ = timer_ + 1;
        ScriptThread::yield();
        // A script that may not go on is never resumed (the game has failed).
        if (goOn) interceptor_->scriptResumed();
        return;
    }
    if (ScriptThread::onScriptThread()) {
        // 0 waits for the next frame; any time wakes on the first frame at or past it.
        scriptWakeAt_ = timer_ + (ms == 0 ? 1 : ms);
        ScriptThread::yield();
    } else {
        // A test calling plug-in code directly: the game simply moves on.
        if (ms == 0) {
            runFrame();
        } else {
            advance(ms);
        }
    }
}

void Game::hookNativeInit(uint64_t hash) {
    callHash_ = hash;
    callArgCount_ = 0;
    callOverflow_ = false;
}

void Game::hookNativePush(uint64_t word) {
    if (callArgCount_ == kMaxArgs) {
        callOverflow_ = true;
        return;
    }
    callArgs_[callArgCount_++] = word;
}

std::string Game::describeCall() const {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "0x%016llX", static_cast<unsigned long long>(callHash_));
    std::string text = buffer;
    text += " (";
    for (size_t i = 0; i < callArgCount_; ++i) {
        std::snprintf(buffer, sizeof buffer, "%s0x%llX", i ? ", " : "",
                      static_cast<unsigned long long>(callArgs_[i]));
        text += buffer;
    }
    return text + ")";
}

uint32_t Game::nextStaleWord() {
    // splitmix64
    uint64_t z = (staleState_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32) | 1u;
}

void Game::recordCall(const NativeInfo* info) {
    if (!options_.recordLastFrame && !recording_) return;
    RecordedCall call{frame_, callHash_, info ? info->name : "?",
                      std::vector<uint64_t>(callArgs_, callArgs_ + callArgCount_)};
    if (recording_) recorded_.push_back(call);
    if (options_.recordLastFrame) thisFrameCalls_.push_back(std::move(call));
}

uint64_t* Game::hookNativeCall() {
    ++callsThisFrame_;
    const NativeInfo* info = natives_.find(callHash_);
    if (interceptor_) {
        recordCall(info);
        for (uint64_t& slot : results_)
            slot = 0;
        if (!interceptor_->nativeCall(callHash_, callArgs_, callArgCount_, results_) &&
            ScriptThread::onScriptThread()) {
            // The script stops here for good.
            for (;;)
                ScriptThread::yield();
        }
        return results_;
    }
    // A 32-bit result leaves a stale upper half; a string result is a whole word.
    const bool wholeWord = info && info->result == Result::String;
    for (uint64_t& slot : results_)
        slot = wholeWord ? 0 : uint64_t{nextStaleWord()} << 32;
    recordCall(info);
    std::string fault;
    if (!info) {
        fault = "unknown native " + describeCall();
    } else if (callOverflow_) {
        fault = "too many arguments for " + info->name + " " + describeCall();
    } else if (info->argCount != kVariadic &&
               static_cast<size_t>(info->argCount) != callArgCount_) {
        fault = info->name + " takes " + std::to_string(info->argCount) +
                " arguments, called with " + std::to_string(callArgCount_) + ": " + describeCall();
    }
    if (!fault.empty()) {
        if (options_.strict) {
            fail(fault);
            // The script stops here for good, as a script that misuses a native would.
            if (ScriptThread::onScriptThread()) ScriptThread::yield();
        }
        return results_;
    }
    NativeCall call(callArgs_, callArgCount_, results_);
    info->handler(call);
    return results_;
}

std::vector<RecordedCall> Game::recordedOf(uint64_t hash) const {
    std::vector<RecordedCall> calls;
    for (const auto& call : recorded_) {
        if (call.hash == hash) calls.push_back(call);
    }
    return calls;
}

void Game::fail(const std::string& why) {
    if (failure_.empty()) failure_ = why;
}

void Game::report(std::string category, std::string text) {
    timeline_.push_back({timer_, std::move(category), std::move(text)});
}

std::vector<TimelineEntry> Game::takeTimeline() {
    std::vector<TimelineEntry> entries;
    entries.swap(timeline_);
    return entries;
}

}  // namespace sim
