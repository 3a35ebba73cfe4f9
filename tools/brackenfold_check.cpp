// brackenfold-check: checks a game folder's Brackenfold/ data folder and prints every problem at
// once, each with its file, line and a fix.
//
//   brackenfold-check [GAME_FOLDER]
//   brackenfold-check --population [--svg FILE.svg] [GAME_FOLDER]
//   brackenfold-check --record [--svg FILE.svg] [GAME_FOLDER]
//
// GAME_FOLDER defaults to the current folder; it may also be the Brackenfold/ folder itself.
// --population prints each character's population per district and animal, most depleted
// first, instead of checking; --record prints each character's hunter's record (competitions,
// money, the heaviest animal of each type); --svg also writes the population or the heaviest
// animals as a chart.
// Exit codes: 0 nothing wrong (or the population or record shown), 1 problems found (for --record:
// a damaged record file), 2 the folder cannot be read, the chart cannot be written, or bad usage.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "check/folder_check.h"
#include "check/population_view.h"
#include "check/record_view.h"

namespace fs = std::filesystem;

namespace {

int usage(const std::string& why) {
    std::cerr << "brackenfold-check: " << why << "\n"
              << "usage: brackenfold-check [GAME_FOLDER]\n"
              << "       brackenfold-check --population [--svg FILE.svg] [GAME_FOLDER]\n"
              << "       brackenfold-check --record [--svg FILE.svg] [GAME_FOLDER]\n";
    return 2;
}

// Writes the chart; false (with a line) when it cannot.
bool writeChart(const std::string& path, const std::string& svg) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << svg;
    out.close();
    if (!out) {
        std::cerr << "brackenfold-check: cannot write " << path << "\n";
        return false;
    }
    std::cout << "chart written to " << path << "\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder;
    bool population = false;
    bool record = false;
    std::string svg;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << "usage: brackenfold-check [GAME_FOLDER]\n"
                         "       brackenfold-check --population [--svg FILE.svg] [GAME_FOLDER]\n"
                         "       brackenfold-check --record [--svg FILE.svg] [GAME_FOLDER]\n"
                         "Checks GAME_FOLDER/Brackenfold (default: the current folder) and prints "
                         "every problem with its file, line and a fix; with --population shows "
                         "each district's animal population instead, with --record each "
                         "character's hunter's record.\n";
            return 0;
        }
        if (arg == "--population") {
            population = true;
            continue;
        }
        if (arg == "--record") {
            record = true;
            continue;
        }
        if (arg == "--svg") {
            if (i + 1 >= argc) return usage("--svg takes a file name");
            svg = argv[++i];
            continue;
        }
        if (!arg.empty() && arg[0] == '-') return usage("unknown option " + arg);
        if (!folder.empty()) return usage("only one game folder at a time");
        folder = arg;
    }
    const fs::path gameFolder = folder.empty() ? fs::path(".") : fs::path(folder);
    const auto dataFolder = bfcheck::findDataFolder(gameFolder);
    if (!dataFolder) {
        std::cerr << "brackenfold-check: " << gameFolder.string()
                  << " holds no readable Brackenfold folder\n"
                  << "  fix: pass the game folder (the one with Brackenfold.asi and the "
                     "Brackenfold folder), or unpack the release zip into it\n";
        return 2;
    }
    if (population && record) return usage("--population and --record go one at a time");
    if (!svg.empty() && !population && !record)
        return usage("--svg goes with --population or --record");
    if (population) {
        const auto view = bfcheck::readPopulation(*dataFolder);
        std::cout << bfcheck::populationText(view);
        if (!svg.empty() && !writeChart(svg, bfcheck::populationSvg(view))) return 2;
        return 0;
    }
    if (record) {
        const auto view = bfcheck::readRecords(*dataFolder);
        std::cout << bfcheck::recordText(view);
        if (!svg.empty() && !writeChart(svg, bfcheck::recordSvg(view))) return 2;
        if (!bfcheck::anyDamaged(view)) return 0;
        std::cerr << "brackenfold-check: a record file is damaged (see above)\n"
                  << "  fix: repair it, or leave it to the plug-in, which keeps it as .bad and "
                     "starts that record afresh\n";
        return 1;
    }
    const auto problems = bfcheck::checkDataFolder(*dataFolder);
    for (const auto& problem : problems)
        std::cout << bfcheck::formatProblem(problem);
    if (problems.empty()) {
        std::cout << "Brackenfold folder " << dataFolder->string() << ": no problems found\n";
        return 0;
    }
    std::cout << problems.size() << (problems.size() == 1 ? " problem" : " problems") << " in "
              << dataFolder->string() << "\n";
    return 1;
}
