// brackenfold-sim: plays a scenario (or the built-in demo session) with the plug-in in the
// simulated game and prints the timeline.
//
//   brackenfold-sim [--game-dir DIR] [--seed N] [--trace] [--screenshot FILE.svg] [SCENARIO.scn]
//
// --screenshot writes what the plug-in drew in the last frame as an SVG picture.
// Exit codes: 0 every expectation held, 1 one failed, 2 malformed scenario or bad usage.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "demo_session.h"
#include "sim/scenario/scenario.h"
#include "spine/entry.h"
#include "spine/plugin.h"

namespace fs = std::filesystem;

namespace {

int usage(const std::string& why) {
    std::cerr
        << "brackenfold-sim: " << why << "\n"
        << "usage: brackenfold-sim [--game-dir DIR] [--seed N] [--trace] [--screenshot FILE.svg] "
           "[SCENARIO.scn]\n";
    return 2;
}

fs::path newTempGameDir() {
    std::string pattern = (fs::temp_directory_path() / "brackenfold-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return fs::temp_directory_path() / "brackenfold-run";
    return pattern;
}

}  // namespace

int main(int argc, char** argv) {
    sim::scenario::RunOptions options;
    options.plugin = &bf::libraryEntry;
    options.beforeGameEnds = &bf::stopPlugin;
    options.out = &std::cout;
    std::string scenarioPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--game-dir" && i + 1 < argc) {
            options.gameDir = fs::absolute(argv[++i]);
        } else if (arg == "--seed" && i + 1 < argc) {
            char* end = nullptr;
            options.seed = static_cast<uint32_t>(std::strtoul(argv[++i], &end, 10));
            if (*end != '\0') return usage("--seed takes a number");
            options.seedGiven = true;
        } else if (arg == "--screenshot" && i + 1 < argc) {
            options.screenshot = fs::absolute(argv[++i]);
        } else if (arg == "--trace") {
            options.trace = true;
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
    if (options.gameDir.empty()) options.gameDir = newTempGameDir();
    options.scenarioDir =
        scenarioPath.empty() ? fs::current_path() : fs::absolute(scenarioPath).parent_path();

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
