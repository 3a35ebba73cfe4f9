// The game round the player: its chaos, its language, its ambient wildlife and hitching posts.
#include "sim/scenario/commands.h"

namespace sim::scenario {

void registerWorldCommands(CommandRegistry& r) {
    // The game stops playing along (world/chaos.h): RATE from 0 (never) to 1.
    r.add({"chaos", Phase::Anywhere, 1, 1,
           [](const Args& a) {
               const double rate = a.number(0);
               if (!(rate >= 0.0 && rate <= 1.0))
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": the chaos rate is a chance from 0 to 1");
           },
           [](Runner& run, const Args& a) { run.setChaosRate(a.number(0)); }});
    // The language chosen in the game's settings (GET_CURRENT_LANGUAGE's number, 0 English).
    r.add({"game language", Phase::Anywhere, 1, 1,
           [](const Args& a) {
               if (a.integer(0) < 0)
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": a language number is 0 or more");
           },
           [](Runner& run, const Args& a) {
               run.game().world().screen.language = static_cast<int32_t>(a.integer(0));
           }});
    r.add({"ambient-animals", Phase::Anywhere, 1, 1, checkOnOff, [](Runner& run, const Args& a) {
               run.game().world().wildlife.enabled = a.is(0, "on");
           }});
    r.add({"expect ambient-animals", Phase::Anywhere, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) {
               const size_t spawned = run.game().world().wildlife.spawned;
               run.expect(
                   static_cast<int64_t>(spawned) >= a.integer(0),
                   std::to_string(spawned) + " ambient animals spawned, expected at least " + a[0]);
           }});
    r.add(
        {"hitching-post at", Phase::Anywhere, 3, 3, [](const Args& a) { a.position(0); },
         [](Runner& run, const Args& a) { placeHitchingPost(run.game().world(), a.position(0)); }});
}

}  // namespace sim::scenario
