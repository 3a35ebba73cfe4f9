// A key combination as a player writes it in Settings.ini: modifiers and one key joined by "+",
// for example "Ctrl+F10", "Shift+Alt+R" or "F9". Modifiers are Ctrl (or Control), Shift and Alt;
// the key is a letter, a digit, F1 to F24, one of the named keys below, or a Windows key code in
// decimal (0x.. in hex). Names are read without regard to case and blanks round them.
//
// KeyChordWatcher follows the modifiers through the key events the script thread takes
// (core/key_input.h) and reports a press of the combination: the key going down (not a repeat)
// while exactly its modifiers are held. Watching allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/key_input.h"

namespace bf {

struct KeyChord {
    uint32_t key = 0;  // a Windows key code, 1 to 254
    bool ctrl = false;
    bool shift = false;
    bool alt = false;

    bool operator==(const KeyChord&) const = default;
};

// Empty when the text is not a combination; `why` then says what is wrong.
std::optional<KeyChord> parseKeyChord(std::string_view text, std::string* why = nullptr);
// The combination as a player would write it ("Ctrl+F10").
std::string formatKeyChord(const KeyChord& chord);

class KeyChordWatcher {
  public:
    // True when the events hold a press of the chord; follows the modifiers either way.
    bool pressed(const KeyChord& chord, const KeyEvent* events, size_t count);

  private:
    bool ctrl_ = false;
    bool shift_ = false;
    bool alt_ = false;
};

}  // namespace bf
