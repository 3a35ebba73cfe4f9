// The script hook as the plug-in sees it: the eight functions it exports, and nothing else of
// the platform. Linux builds link the simulated game's definitions; the Windows build binds them
// to the real hook's exports at attach (platform/win).
//
// Contract: every function here is called from the script thread only, except the registration
// pair, which the library entry calls on attach and detach.
#pragma once

#include <cstdint>

namespace hook {

using ScriptEntry = void (*)();
using KeyboardHandler = void (*)(uint32_t key, uint16_t repeats, uint8_t scanCode, int isExtended,
                                 int isWithAlt, int wasDownBefore, int isUpNow);

void scriptRegister(void* module, ScriptEntry entry);
void scriptUnregister(void* module);
void keyboardHandlerRegister(KeyboardHandler handler);
void keyboardHandlerUnregister(KeyboardHandler handler);
// Yields to the game: 0 resumes on the next frame, otherwise after that much game time.
void scriptWait(uint32_t milliseconds);
void nativeInit(uint64_t hash);
void nativePush64(uint64_t value);
// Runs the native begun with nativeInit; the result sits in the returned 8-byte slots.
uint64_t* nativeCall();

}  // namespace hook
