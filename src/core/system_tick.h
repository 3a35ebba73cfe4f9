// Milliseconds of the system clock; the platform folder supplies it (the keyboard handler stamps
// key events with it).
#pragma once

#include <cstdint>

namespace bf {

uint32_t systemTickCount();

}  // namespace bf
