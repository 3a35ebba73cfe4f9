// Map areas and the population: the player walking across the map.
#include "sim/scenario/commands.h"

namespace sim::scenario {

namespace {
constexpr float kWalkToEntityStop = 2.0f;
}  // namespace

void registerPopulationCommands(CommandRegistry& r) {
    // The player sets off at a walk to a point, or towards an entity until 2 m from it; `wait`
    // or `frames` let him get there.
    r.add({"player walk-to", Phase::Anywhere, 1, 3,
           [](const Args& a) {
               if (a.size() == 3) {
                   a.position(0);
               } else if (a.size() != 1) {
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": expected 'player walk-to X Y Z' or 'player walk-to ID'");
               }
           },
           [](Runner& run, const Args& a) {
               Player& player = run.game().world().player;
               player.walkToEntity = 0;
               if (a.size() == 3) {
                   player.walkTarget = a.position(0);
               } else {
                   player.walkToEntity = run.entityNamed(a[0], a);
                   player.walkStopRange = kWalkToEntityStop;
               }
               player.walking = true;
           }});
}

}  // namespace sim::scenario
