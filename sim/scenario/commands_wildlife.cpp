// The player placing bait, and the game's ambient animals.
#include "sim/scenario/commands.h"
#include "sim/world/hash.h"

namespace sim::scenario {

namespace {

// How long the placing animation runs.
constexpr uint32_t kPlaceBaitMs = 1000;

void onOrOff(const Args& a) {
    if (!a.is(0, "on") && !a.is(0, "off"))
        throw SyntaxError("line " + std::to_string(a.lineNumber()) + ": expected on or off");
}

}  // namespace

void registerWildlifeCommands(CommandRegistry& r) {
    r.add({"place-bait", Phase::Time, 0, 1,
           [](const Args& a) {
               if (a.size() == 1 && !a.is(0, "potent"))
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": expected 'place-bait' or 'place-bait potent'");
           },
           [](Runner& run, const Args& a) {
               Player& player = run.game().world().player;
               const char* scenario = a.size() == 1 ? "WORLD_PLAYER_PLACE_BAIT_POTENT"
                                                    : "WORLD_PLAYER_PLACE_BAIT_NORMAL";
               run.game().report("input", std::string("the player places bait (") + scenario + ")");
               player.scenario = gameHash(scenario);
               run.runFor(kPlaceBaitMs);
               player.scenario = 0;
               run.runFrame();
           }});
    r.add({"ambient-animals", Phase::Anywhere, 1, 1, onOrOff, [](Runner& run, const Args& a) {
               run.game().world().wildlife.enabled = a.is(0, "on");
           }});
    r.add({"expect ambient-animals", Phase::Anywhere, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) {
               const size_t spawned = run.game().world().wildlife.spawned;
               run.expect(
                   static_cast<int64_t>(spawned) >= a.integer(0),
                   std::to_string(spawned) + " ambient animals spawned, expected at least " + a[0]);
           }});
}

}  // namespace sim::scenario
