// A stand-in script hook for the Wine smoke test: the simulated game, compiled for Windows, behind
// the hook's eight exports (the .def files give them their decorated names), plus the controls
// the host drives it with. It never ships.
#include <cstdint>
#include <memory>
#include <string>

#include "sim/game.h"

namespace {
std::unique_ptr<sim::Game> gGame;
uint64_t gNativeCalls = 0;
using KeyboardHandler = void (*)(uint32_t, uint16_t, uint8_t, int, int, int, int);
}  // namespace

extern "C" {

// The hook's exports.
void standinScriptRegister(void* module, void (*entry)()) {
    gGame->hookScriptRegister(module, entry);
}
void standinScriptUnregister(void* module) {
    gGame->hookScriptUnregister(module);
}
void standinKeyboardHandlerRegister(KeyboardHandler handler) {
    gGame->hookKeyboardRegister(reinterpret_cast<void*>(handler));
}
void standinKeyboardHandlerUnregister(KeyboardHandler handler) {
    gGame->hookKeyboardUnregister(reinterpret_cast<void*>(handler));
}
void standinScriptWait(uint32_t milliseconds) {
    gGame->hookWait(milliseconds);
}
void standinNativeInit(uint64_t hash) {
    gGame->hookNativeInit(hash);
}
void standinNativePush64(uint64_t value) {
    gGame->hookNativePush(value);
}
uint64_t* standinNativeCall() {
    return gGame->hookNativeCall();
}

// The host's controls.
void standinStartGame() {
    gGame = std::make_unique<sim::Game>();
}
void standinRunFrames(int count) {
    for (int i = 0; i < count && !gGame->failed(); ++i) {
        gGame->runFrame();
        gNativeCalls += gGame->callsLastFrame();
    }
}
int standinScriptRegistered() {
    return gGame && gGame->scriptRegistered();
}
int standinKeyboardHandlerRegistered() {
    return gGame && gGame->keyboardHandlerRegistered();
}
void standinPressKey(uint32_t key) {
    if (!gGame || !gGame->keyboardHandler()) return;
    reinterpret_cast<KeyboardHandler>(gGame->keyboardHandler())(key, 1, 0, 0, 0, 0, 0);
    reinterpret_cast<KeyboardHandler>(gGame->keyboardHandler())(key, 1, 0, 0, 0, 1, 1);
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
