// The zone types the plug-in asks the game's map-zone query about.
#pragma once

#include <cstdint>

namespace bf {

inline constexpr int32_t kZoneTown = 1;
inline constexpr int32_t kZoneDistrict = 10;

}  // namespace bf
