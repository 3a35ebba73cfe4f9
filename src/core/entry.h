// The library entry: what the operating system calls when the plug-in is loaded and unloaded.
//
// Attach registers ScriptMain and the keyboard handler with the hook; detach withdraws both.
// Other reasons do nothing. Every reason reports success.
#pragma once

#include <cstdint>

namespace bf {

// The operating system's reason codes.
enum : uint32_t {
    kProcessDetach = 0,
    kProcessAttach = 1,
    kThreadAttach = 2,
    kThreadDetach = 3,
};

bool libraryEntry(void* module, uint32_t reason);

// Records the last event of each key code below 255 with the system tick count.
void keyboardHandler(uint32_t key, uint16_t repeats, uint8_t scanCode, int isExtended,
                     int isWithAlt, int wasDownBefore, int isUpNow);

// Milliseconds of the system clock (the platform supplies it).
uint32_t systemTickCount();

}  // namespace bf
