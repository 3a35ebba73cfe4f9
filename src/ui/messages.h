// Texts put on screen through the game: literal text handles and the one-off message.
#pragma once

#include <cstdint>
#include <string>

namespace bf {

// A text handle for a character string; the string must stay alive while the game uses it.
uint64_t makeLiteralText(const char* text);
// Shows a text at once.
void showMessage(const std::string& text);

}  // namespace bf
