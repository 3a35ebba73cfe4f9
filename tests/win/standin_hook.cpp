// A stand-in script hook for the Wine smoke test: the simulated game, compiled for Windows, behind
// the hook's eight exports (the .def files give them their decorated names), plus the controls
// the host drives it with. It never ships.
//
// It schedules the script as script hooks do: the thread that starts the game becomes the frame
// loop's fiber, scriptRegister creates a fiber for the script's entry, each frame switches to it
// once its wait is over, and scriptWait switches back. scriptUnregister deletes the fiber where
// it waits. The keyboard handler is called on whichever thread calls standinSendKey (the host's
// window thread). Calls the plug-in makes out of place are counted (standin_stats.h), not served
// differently. Every control but standinSendKey is called on the thread that started the game.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "sim/game.h"
#include "tests/win/standin_stats.h"

namespace {

using KeyboardHandler = void (*)(uint32_t, uint16_t, uint8_t, int, int, int, int);

std::unique_ptr<sim::Game> gGame;
uint64_t gNativeCalls = 0;
StandinStats gStats;

DWORD gFrameThread = 0;
void* gFrameFiber = nullptr;
void* gScriptFiber = nullptr;
void* gScriptModule = nullptr;
void (*gScriptEntry)() = nullptr;
uint32_t gScriptWakeAt = 0;

// GCC 12 takes GetCurrentFiber's read of the thread block for an out-of-bounds access.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
void* currentFiber() {
    return GetCurrentFiber();
}
#pragma GCC diagnostic pop

bool onScriptFiber() {
    return gScriptFiber && GetCurrentThreadId() == gFrameThread && currentFiber() == gScriptFiber;
}

void WINAPI scriptFiber(void*) {
    gScriptEntry();
    // A fiber that returns ends its thread, the game's: a finished script waits for good instead.
    for (;;)
        SwitchToFiber(gFrameFiber);
}

// The script's turn in a frame, where the simulated game would resume its own script.
void scriptTurn() {
    if (!gScriptFiber || gGame->failed() ||
        static_cast<int32_t>(gGame->timer() - gScriptWakeAt) < 0)
        return;
    ++gStats.scriptTurns;
    gGame->world().events.scriptTurn(true);
    SwitchToFiber(gScriptFiber);
    gGame->world().events.scriptTurn(false);
}

}  // namespace

extern "C" {

// The hook's exports.
void standinScriptRegister(void* module, void (*entry)()) {
    if (gScriptFiber) DeleteFiber(gScriptFiber);
    gScriptModule = module;
    gScriptEntry = entry;
    gScriptFiber = CreateFiber(0, scriptFiber, nullptr);
    if (!gScriptFiber) gGame->fail("CreateFiber failed: " + std::to_string(GetLastError()));
    gScriptWakeAt = gGame->timer();
    gGame->setScriptTimer(0);
    gGame->setScriptTimerB(0);
}
void standinScriptUnregister(void* module) {
    if (module != gScriptModule || !gScriptFiber) return;
    if (currentFiber() == gScriptFiber) {
        // Deleting the running fiber would end the game's thread.
        gGame->fail("scriptUnregister called from the script itself");
        return;
    }
    DeleteFiber(gScriptFiber);
    gScriptFiber = nullptr;
    gScriptModule = nullptr;
    ++gStats.fibersDeleted;
}
void standinKeyboardHandlerRegister(KeyboardHandler handler) {
    gGame->hookKeyboardRegister(reinterpret_cast<void*>(handler));
}
void standinKeyboardHandlerUnregister(KeyboardHandler handler) {
    gGame->hookKeyboardUnregister(reinterpret_cast<void*>(handler));
}
void standinScriptWait(uint32_t milliseconds) {
    if (!onScriptFiber()) {
        // Nowhere to switch back to: the call returns at once.
        ++gStats.misplacedCalls;
        return;
    }
    ++gStats.waitsOnFiber;
    // 0 waits for the next frame; any time wakes on the first frame at or past it.
    gScriptWakeAt = gGame->timer() + (milliseconds == 0 ? 1 : milliseconds);
    SwitchToFiber(gFrameFiber);
}
void standinNativeInit(uint64_t hash) {
    gGame->hookNativeInit(hash);
}
void standinNativePush64(uint64_t value) {
    gGame->hookNativePush(value);
}
uint64_t* standinNativeCall() {
    const bool onFiber = onScriptFiber();
    ++(onFiber ? gStats.nativesOnFiber : gStats.misplacedCalls);
    uint64_t* results = gGame->hookNativeCall();
    // The script stops here for good, as a script that misuses a native would.
    while (onFiber && gGame->failed())
        SwitchToFiber(gFrameFiber);
    return results;
}

// The host's controls.
void standinStartGame() {
    gGame = std::make_unique<sim::Game>();
    gGame->onFrameStart(scriptTurn);
    gFrameThread = GetCurrentThreadId();
    // Both stand-ins are started on the host's main thread: the second finds it a fiber already.
    gFrameFiber = IsThreadAFiber() ? currentFiber() : ConvertThreadToFiber(nullptr);
    if (!gFrameFiber) gGame->fail("ConvertThreadToFiber failed: " + std::to_string(GetLastError()));
}
void standinRunFrames(int count) {
    for (int i = 0; i < count && !gGame->failed(); ++i) {
        gGame->runFrame();
        ++gStats.frames;
        gNativeCalls += gGame->callsLastFrame();
    }
}
int standinScriptRegistered() {
    return gScriptFiber != nullptr;
}
int standinKeyboardHandlerRegistered() {
    return gGame && gGame->keyboardHandlerRegistered();
}
// One key event, delivered on the calling thread: down, or up after having been down.
void standinSendKey(uint32_t key, int up) {
    ++(GetCurrentThreadId() == gFrameThread ? gStats.keysOnFrameThread : gStats.keysOnOtherThreads);
    if (auto handler = reinterpret_cast<KeyboardHandler>(gGame->keyboardHandler()))
        handler(key, 1, 0, 0, 0, up, up);
}
const StandinStats* standinStats() {
    return &gStats;
}
uint64_t standinNativeCalls() {
    return gNativeCalls;
}
uint64_t standinNativesLastFrame() {
    return gGame ? gGame->callsLastFrame() : 0;
}
// Empty while the game has seen no fault.
const char* standinFailure() {
    return gGame ? gGame->failure().c_str() : "";
}

}  // extern "C"
