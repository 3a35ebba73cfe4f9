// The library entry: what the operating system calls when the plug-in is loaded and unloaded.
//
// Attach registers ScriptMain and the keyboard handler with the hook; detach writes what changed
// in the population and hint files and closes the recording (Plugin::unloading), then withdraws
// both.
// Other reasons do nothing. Every reason reports success.
#pragma once

#include <array>
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

// The last event of one key code, as the keyboard handler recorded it.
struct KeyState {
    uint32_t tickCount = 0;
    int32_t withAlt = 0;
    int32_t wasDownBefore = 0;
    int32_t isUpNow = 0;
};

// Records the last event of each key code below 255 with the system tick count. The hook calls it
// from the window's thread: it writes its own key table and touches nothing else of the plug-in
// but the lock-free queue of key events (core/key_input.h), which the script thread empties.
void keyboardHandler(uint32_t key, uint16_t repeats, uint8_t scanCode, int isExtended,
                     int isWithAlt, int wasDownBefore, int isUpNow);
// The handler's table (nothing in the plug-in reads it; tests do).
const std::array<KeyState, 255>& keyTable();

}  // namespace bf
