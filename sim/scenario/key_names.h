// Key combinations in scenarios, written as a player writes them in Settings.ini ("Ctrl+F10",
// "Shift+Alt+R", "F9", or a Windows key code such as 145), and the key events a keyboard sends
// for one press of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim::scenario {

struct KeyPress {
    uint32_t key = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

std::optional<KeyPress> parseKeyPress(const std::string& text);

// One event as the hook hands it to a keyboard handler.
struct KeyboardEvent {
    uint32_t key;
    int withAlt;
    int wasDownBefore;
    int isUpNow;
};

// The modifiers go down, the key goes down and up, the modifiers come up (in reverse order);
// while Alt is held every event carries the Alt flag, as Windows sends them.
std::vector<KeyboardEvent> keyboardEventsOf(const KeyPress& press);

}  // namespace sim::scenario
