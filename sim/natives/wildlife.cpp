// The player's scenarios (placing bait) and the game's ambient animals.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerWildlifeNatives(Game& game) {
    World& world = game.world();
    game.natives().add(0x34D6AC1157C8226C, "IS_PED_USING_SCENARIO_HASH", 2, Result::Int32,
                       [&world](NativeCall& c) {
                           // Only the player acts out scenarios in this world.
                           const bool using_ = c.i32(0) != 0 && c.i32(0) == world.player.ped &&
                                               world.player.scenario != 0 &&
                                               world.player.scenario == c.u32(1);
                           c.retBool(using_);
                       });
}

}  // namespace sim
