// Map zones.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerZoneNatives(Game& game) {
    game.natives().add(
        0x43AD8FC02B429D33, "_GET_MAP_ZONE_AT_COORDS", 4, Result::Int32,
        [&game](NativeCall& c) { c.retU32(game.world().zones.at(c.vec(0), c.i32(3))); });
}

}  // namespace sim
