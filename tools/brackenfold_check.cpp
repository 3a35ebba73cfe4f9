// brackenfold-check: checks a game folder's Brackenfold/ data folder and prints every problem at
// once, each with its file, line and a fix.
//
//   brackenfold-check [GAME_FOLDER]
//   brackenfold-check --population [--svg FILE.svg] [GAME_FOLDER]
//
// GAME_FOLDER defaults to the current folder; it may also be the Brackenfold/ folder itself.
// --population prints each character's population per district and animal, most depleted
// first, instead of checking; --svg also writes it as a chart.
// Exit codes: 0 nothing wrong (or the population shown), 1 problems found, 2 the folder cannot be
// read, the chart cannot be written, or bad usage.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "check/folder_check.h"
#include "check/population_view.h"

namespace fs = std::filesystem;

namespace {

int usage(const std::string& why) {
    std::cerr << "brackenfold-check: " << why << "\n"
              << "usage: brackenfold-check [GAME_FOLDER]\n"
              << "       brackenfold-check --population [--svg FILE.svg] [GAME_FOLDER]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder;
    bool population = false;
    std::string svg;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << "usage: brackenfold-check [GAME_FOLDER]\n"
                         "       brackenfold-check --population [--svg FILE.svg] [GAME_FOLDER]\n"
                         "Checks GAME_FOLDER/Brackenfold (default: the current folder) and prints "
                         "every problem with its file, line and a fix; with --population shows "
                         "each district's animal population instead.\n";
            return 0;
        }
        if (arg == "--population") {
            population = true;
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
    if (!svg.empty() && !population) return usage("--svg goes with --population");
    if (population) {
        const auto view = bfcheck::readPopulation(*dataFolder);
        std::cout << bfcheck::populationText(view);
        if (!svg.empty()) {
            std::ofstream out(svg, std::ios::binary | std::ios::trunc);
            out << bfcheck::populationSvg(view);
            out.close();
            if (!out) {
                std::cerr << "brackenfold-check: cannot write " << svg << "\n";
                return 2;
            }
            std::cout << "chart written to " << svg << "\n";
        }
        return 0;
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
