// brackenfold-check: checks a game folder's Brackenfold/ data folder and prints every problem at
// once, each with its file, line and a fix.
//
//   brackenfold-check [GAME_FOLDER]
//
// GAME_FOLDER defaults to the current folder; it may also be the Brackenfold/ folder itself.
// Exit codes: 0 nothing wrong, 1 problems found, 2 the folder cannot be read or bad usage.
#include <filesystem>
#include <iostream>
#include <string>

#include "check/folder_check.h"

namespace fs = std::filesystem;

namespace {

int usage(const std::string& why) {
    std::cerr << "brackenfold-check: " << why << "\n"
              << "usage: brackenfold-check [GAME_FOLDER]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << "usage: brackenfold-check [GAME_FOLDER]\n"
                         "Checks GAME_FOLDER/Brackenfold (default: the current folder) and prints "
                         "every problem with its file, line and a fix.\n";
            return 0;
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
