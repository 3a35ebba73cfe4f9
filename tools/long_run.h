// The long run: the plug-in plays for a long time in a game that does not play along, with a
// player who wanders the land, hunts what comes near, places bait, accepts the competitions he is
// offered and offers the pelts on his horse to passers-by; and a judge watches every frame.
//
// The run passes when, for all its frames:
//   - the plug-in never stops itself (no "Something wrong happened", a native called every frame);
//   - every competition the player accepted and every trade he started comes to an end within a
//     bound (the competition's time cap and its travel; a few minutes for a trade), and an offer
//     never stays for ever;
//   - whenever neither a competition nor a trade is held, the game objects the plug-in created are
//     all handed back (no peds, prop sets, task sequences, item sets or scenario points it still
//     holds; no blip but bait blips);
//   - no ped is left marked as in a trade when none runs;
//   - while a hunt runs, the rival never stands without a task for more than a minute;
//   - no animal a competition put into the world is deleted before the competition's clean-up,
//     but by the game itself;
//   - no log line repeats more than kMaxRepeatedLogLines times in a row;
//   - after the last frame the game quits and starts again, and every population and hint file
//     the plug-in wrote reads back whole (none is set aside as .bad).
// It ends with its figures: frames, competitions offered, accepted, started and ended (by
// outcome), trades started and ended, what the game did to the plug-in (chaos), and the worst
// frame. The player's choices are drawn from his own generator, seeded from the run's seed, so a
// run is repeatable from (seed, chaos rate, frames).
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>

namespace longrun {

struct Options {
    uint64_t frames = 100000;
    uint32_t seed = 1;
    double chaos = 0.01;
    std::filesystem::path gameDir;
    std::filesystem::path distDir;  // empty: the build's dist folder
    // Where the whole timeline goes (empty: only its last lines are kept, shown on a failure).
    std::filesystem::path timeline;
    // The run fails when fewer competitions than this ended by their time cap or a kill.
    uint64_t minPlayed = 0;
};

inline constexpr int kMaxRepeatedLogLines = 30;

// Plays the run, printing its progress and figures to `out`; 0 when it passed, 1 when the judge
// (or the game) stopped it, with the reason and the last lines of the timeline.
int run(const Options& options, std::ostream& out);

}  // namespace longrun
