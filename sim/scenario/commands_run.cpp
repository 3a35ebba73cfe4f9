// The run itself: its seed, the game's time, a restart, and whether the plug-in still runs.
#include "sim/scenario/commands.h"

namespace sim::scenario {

void registerRunCommands(CommandRegistry& r) {
    r.add({"seed", Phase::Setup, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner&, const Args&) {}});  // read before the game is made
    r.add({"frames", Phase::Time, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) {
               for (int64_t i = 0; i < a.integer(0); ++i)
                   run.runFrame();
           }});
    r.add({"wait", Phase::Time, 1, 1, [](const Args& a) { a.durationMs(0); },
           [](Runner& run, const Args& a) { run.runFor(a.durationMs(0)); }});
    r.add({"restart", Phase::Time, 0, 0, nullptr,
           [](Runner& run, const Args&) { run.restartGame(); }});
    r.add({"expect running", Phase::Anywhere, 0, 0, nullptr, [](Runner& run, const Args&) {
               run.expect(run.game().callsLastFrame() > 0,
                          "the plug-in called no native in the last frame");
           }});
    r.add({"expect halted", Phase::Anywhere, 0, 0, nullptr, [](Runner& run, const Args&) {
               run.expect(run.game().callsLastFrame() == 0,
                          "the plug-in called " + std::to_string(run.game().callsLastFrame()) +
                              " natives in the last frame");
           }});
}

}  // namespace sim::scenario
