// The player's money, in whole cents as the game keeps it. The features pay and take through
// here; ui/messages.h adds the on-screen cash notification for the player.
#pragma once

#include <cstdint>

namespace bf {

// The cents of an amount of dollars: the float product truncated toward zero, except that one
// short of a whole cent only by the float's rounding (2.10 dollars) gives that cent. Clamped to
// the int32 range; NaN gives 0.
int32_t centsOf(float dollars);

// Adds (positive) or removes (negative) cents. False when nothing moved: 0, or a removal of more
// than the player has (the game refuses it and takes nothing).
[[nodiscard]] bool movePlayerCash(int32_t cents);

}  // namespace bf
