// Map areas and the population: the player walking across the map.
#include "sim/scenario/commands.h"

namespace sim::scenario {

void registerPopulationCommands(CommandRegistry& r) {
    // The player sets off at a walk; `wait` or `frames` let him get there.
    r.add({"player walk-to", Phase::Anywhere, 3, 3, [](const Args& a) { a.position(0); },
           [](Runner& run, const Args& a) {
               Player& player = run.game().world().player;
               player.walkTarget = a.position(0);
               player.walking = true;
           }});
}

}  // namespace sim::scenario
