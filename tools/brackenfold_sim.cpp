// brackenfold-sim: plays a scenario (or the built-in demo session) with the plug-in in the
// simulated game and prints the timeline.
//
//   brackenfold-sim [--game-dir DIR] [--seed N] [--chaos RATE] [--trace] [--stats] [--record]
//                   [--screenshot FILE.svg] [SCENARIO.scn]
//   brackenfold-sim --long-run FRAMES [--game-dir DIR] [--seed N] [--chaos RATE]
//                   [--timeline FILE] [--min-played N]
//   brackenfold-sim --replay FILE.bfrec [--replay-until MARKER|FRAME] [--game-dir DIR]
//                   [--trace] [--stats]
//   brackenfold-sim --compare FILE.bfrec
//
// --replay plays a session the flight recorder wrote (replay/replayer.h): exit 0 when it
// reproduced it with no divergence and the same log, 1 at the first divergence (with a report),
// 2 when the file is no recording. --replay-until stops after that frame, or the frame of marker
// N written "mN", so that --trace and --stats show it. --compare lists the natives whose
// recorded answers the simulated game would give otherwise (replay/compare.h): exit 0 none, 1
// some.
//
// --chaos RATE plays the game as one that does not play along (it removes peds, fails and delays
// loads; see sim/world/chaos.h), RATE from 0 to 1, overriding the scenario's own chaos commands;
// the output then ends with what chaos did.
//
// --long-run plays FRAMES frames of a player who wanders, hunts, takes up competitions and trades
// (long_run.h) in a game at the chaos rate (0.01 unless given), and judges every frame; with
// --min-played N it also fails when fewer than N competitions ended by their time cap or a kill.
//
// --stats (always on for the demo session) ends the output with the frame that made the most
// native calls, when it came and what the plug-in was doing in it (its own tally of the frame's
// calls by activity), and the mean number of calls per frame.
//
// --screenshot writes what the plug-in drew in the last frame as an SVG picture.
//
// --record turns the flight recorder on for the run (Recorder_Enabled=1 in its Settings.ini, when
// it has one): the recordings land in the game folder's Brackenfold/Recordings.
// Exit codes: 0 every expectation held, 1 one failed, 2 malformed scenario or bad usage.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "core/frame_tally.h"
#include "demo_session.h"
#include "long_run.h"
#include "replay/compare.h"
#include "replay/replayer.h"
#include "sim/scenario/scenario.h"
#include "spine/entry.h"
#include "spine/plugin.h"

namespace fs = std::filesystem;

namespace {

int usage(const std::string& why) {
    std::cerr
        << "brackenfold-sim: " << why << "\n"
        << "usage: brackenfold-sim [--game-dir DIR] [--seed N] [--chaos RATE] [--trace] [--stats] "
           "[--record] [--screenshot FILE.svg] [SCENARIO.scn]\n"
           "       brackenfold-sim --long-run FRAMES [--game-dir DIR] [--seed N] [--chaos RATE] "
           "[--timeline FILE] [--min-played N]\n"
           "       brackenfold-sim --replay FILE.bfrec [--replay-until MARKER|FRAME] "
           "[--game-dir DIR] [--trace] [--stats]\n"
           "       brackenfold-sim --compare FILE.bfrec\n";
    return 2;
}

fs::path newTempGameDir() {
    std::string pattern = (fs::temp_directory_path() / "brackenfold-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return fs::temp_directory_path() / "brackenfold-run";
    return pattern;
}

// The plug-in's own account of the frame that has just ended: its activities by calls, most first.
std::string describePluginFrame() {
    const bf::Plugin* plugin = bf::runningPlugin();
    if (!plugin) return "the plug-in not running";
    const bf::FrameTally& tally = plugin->frameTally;
    std::vector<bf::Activity> done;
    for (size_t i = 0; i < static_cast<size_t>(bf::Activity::Count); ++i) {
        const auto activity = static_cast<bf::Activity>(i);
        if (tally.calls(activity) > 0) done.push_back(activity);
    }
    std::stable_sort(done.begin(), done.end(), [&](bf::Activity a, bf::Activity b) {
        return tally.calls(a) > tally.calls(b);
    });
    std::string text;
    for (bf::Activity activity : done) {
        text += text.empty() ? "doing: " : ", ";
        text += bf::activityName(activity);
        text += " " + std::to_string(tally.calls(activity));
    }
    return text.empty() ? "the plug-in made no calls" : text;
}

}  // namespace

int main(int argc, char** argv) {
    sim::scenario::RunOptions options;
    options.plugin = &bf::libraryEntry;
    options.beforeGameEnds = &bf::stopPlugin;
    options.out = &std::cout;
    std::string scenarioPath;
    uint64_t longRunFrames = 0;
    fs::path timeline;
    uint64_t minPlayed = 0;
    std::string replayPath, comparePath;
    uint64_t untilFrame = 0;
    uint32_t untilMarker = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--game-dir" && i + 1 < argc) {
            options.gameDir = fs::absolute(argv[++i]);
        } else if (arg == "--seed" && i + 1 < argc) {
            char* end = nullptr;
            options.seed = static_cast<uint32_t>(std::strtoul(argv[++i], &end, 10));
            if (*end != '\0') return usage("--seed takes a number");
            options.seedGiven = true;
        } else if (arg == "--chaos" && i + 1 < argc) {
            char* end = nullptr;
            options.chaos = std::strtod(argv[++i], &end);
            if (*end != '\0' || !(options.chaos >= 0.0 && options.chaos <= 1.0))
                return usage("--chaos takes a rate from 0 to 1");
            options.chaosGiven = true;
        } else if (arg == "--long-run" && i + 1 < argc) {
            char* end = nullptr;
            longRunFrames = std::strtoull(argv[++i], &end, 10);
            if (*end != '\0' || longRunFrames == 0) return usage("--long-run takes a frame count");
        } else if (arg == "--min-played" && i + 1 < argc) {
            char* end = nullptr;
            minPlayed = std::strtoull(argv[++i], &end, 10);
            if (*end != '\0') return usage("--min-played takes a count");
        } else if (arg == "--replay" && i + 1 < argc) {
            replayPath = argv[++i];
        } else if (arg == "--replay-until" && i + 1 < argc) {
            if (!replay::parseReplayUntil(argv[++i], untilFrame, untilMarker))
                return usage("--replay-until takes a frame number or a marker (m1, m2 ...)");
        } else if (arg == "--compare" && i + 1 < argc) {
            comparePath = argv[++i];
        } else if (arg == "--timeline" && i + 1 < argc) {
            timeline = fs::absolute(argv[++i]);
        } else if (arg == "--screenshot" && i + 1 < argc) {
            options.screenshot = fs::absolute(argv[++i]);
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--stats") {
            options.stats = true;
        } else if (arg == "--record") {
            options.record = true;
        } else if (arg == "--help" || arg == "-h") {
            usage("runs a scenario in the simulated game");
            return 0;
        } else if (!arg.empty() && arg[0] == '-') {
            return usage("unknown option " + arg);
        } else if (scenarioPath.empty()) {
            scenarioPath = arg;
        } else {
            return usage("only one scenario at a time");
        }
    }
    if (!comparePath.empty()) {
        if (!scenarioPath.empty() || !replayPath.empty())
            return usage("--compare plays no scenario and no replay");
        return replay::runCompare(comparePath, std::cout);
    }
    if ((untilFrame || untilMarker) && replayPath.empty())
        return usage("--replay-until needs --replay");
    if (options.gameDir.empty()) options.gameDir = newTempGameDir();
    if (!replayPath.empty()) {
        if (!scenarioPath.empty() || longRunFrames) return usage("--replay plays no scenario");
        replay::ReplayOptions replayOptions;
        replayOptions.recording = fs::absolute(replayPath).string();
        replayOptions.gameDir = options.gameDir;
        replayOptions.plugin = &bf::libraryEntry;
        replayOptions.stopPlugin = &bf::stopPlugin;
        replayOptions.untilFrame = untilFrame;
        replayOptions.untilMarker = untilMarker;
        replayOptions.trace = options.trace;
        replayOptions.stats = options.stats;
        replayOptions.describeFrame = &describePluginFrame;
        replayOptions.out = &std::cout;
        return replay::runReplay(replayOptions);
    }
    if (longRunFrames > 0) {
        if (!scenarioPath.empty()) return usage("--long-run plays no scenario");
        longrun::Options longRun;
        longRun.frames = longRunFrames;
        longRun.seed = options.seed;
        longRun.chaos = options.chaosGiven ? options.chaos : 0.01;
        longRun.gameDir = options.gameDir;
        longRun.timeline = timeline;
        longRun.minPlayed = minPlayed;
        return longrun::run(longRun, std::cout);
    }
    options.scenarioDir =
        scenarioPath.empty() ? fs::current_path() : fs::absolute(scenarioPath).parent_path();
    if (scenarioPath.empty()) options.stats = true;
    options.describeFrame = &describePluginFrame;

    std::vector<sim::scenario::Line> lines;
    try {
        if (scenarioPath.empty()) {
            std::istringstream demo(kDemoSession);
            lines = sim::scenario::tokenize(demo);
        } else {
            std::ifstream in(scenarioPath);
            if (!in) return usage("cannot read " + scenarioPath);
            lines = sim::scenario::tokenize(in);
        }
    } catch (const sim::scenario::SyntaxError& e) {
        std::cout << "malformed scenario: " << e.what() << "\n";
        return 2;
    }
    sim::scenario::Runner runner(options);
    const int code = runner.run(lines);
    return code;
}
