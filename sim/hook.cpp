// The eight script-hook functions for Linux builds: each forwards to the current simulated game.
#include <cstdint>

#include "sim/game.h"

namespace hook {

using ScriptEntry = void (*)();
using KeyboardHandler = void (*)(uint32_t, uint16_t, uint8_t, int, int, int, int);

void scriptRegister(void* module, ScriptEntry entry) {
    sim::Game::current()->hookScriptRegister(module, entry);
}
void scriptUnregister(void* module) {
    sim::Game::current()->hookScriptUnregister(module);
}
void keyboardHandlerRegister(KeyboardHandler handler) {
    sim::Game::current()->hookKeyboardRegister(reinterpret_cast<void*>(handler));
}
void keyboardHandlerUnregister(KeyboardHandler handler) {
    sim::Game::current()->hookKeyboardUnregister(reinterpret_cast<void*>(handler));
}
void scriptWait(uint32_t milliseconds) {
    sim::Game::current()->hookWait(milliseconds);
}
void nativeInit(uint64_t hash) {
    sim::Game::current()->hookNativeInit(hash);
}
void nativePush64(uint64_t value) {
    sim::Game::current()->hookNativePush(value);
}
uint64_t* nativeCall() {
    return sim::Game::current()->hookNativeCall();
}

}  // namespace hook
