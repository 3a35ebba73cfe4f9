// brackenfold-check: what is wrong with a player's Brackenfold/ data folder, judged with the
// plug-in's own line reader, number conversions, key tables, town records and nearest-town rule.
//
// Every problem is found in one pass and carries its file (relative to the data folder), its line
// (1-based, as editors count; 0 for the file as a whole), what is wrong and how to fix it. The
// checks never write into the folder and never log into the player's Log.log.
//
// Judged as problems: required files that are missing, empty, unreadable or saved as UTF-16;
// lines the plug-in rejects (a required file with one stops start-up); Settings.ini keys no
// feature reads (with the nearest known key) and values that do not read as their type or lie
// outside what the plug-in keeps them to; GeneralMeta.dat tuning keys that are missing or out of
// range; Lang.dat keys the plug-in uses and the file lacks, and value texts without their "%s";
// translations (Lang.<code>.dat) whose code no game language has, that lack a text the plug-in
// uses (English shows there), hold a key Lang.dat lacks, or whose "%s" count differs from it;
// AnimalSpawns.dat models the plug-in does not know, counts that do not match the items, items
// that do not read as x,y,r, and places of competition animals (rarity 0) whose nearest town has
// no camp spot within 100 m; AnimalPrices.dat items that no animal produces and prices that are
// not numbers or negative; population files with factors out of range.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bfcheck {

struct Problem {
    std::string file;  // relative to the data folder: "Settings.ini", "AnimalsPopulation/..."
    int line = 0;      // 1-based; 0 for the whole file
    std::string what;
    std::string fix;
};

// The data folder of a game folder: GAME_FOLDER/Brackenfold, or GAME_FOLDER itself when it is a
// data folder (it holds Lang.dat or Settings.ini). Nothing when neither is a readable folder.
std::optional<std::filesystem::path> findDataFolder(const std::filesystem::path& gameFolder);

std::vector<Problem> checkDataFolder(const std::filesystem::path& dataFolder);

// "Settings.ini:12: what\n  fix: how\n"
std::string formatProblem(const Problem& problem);

// Levenshtein distance (insertions, deletions, substitutions of bytes).
size_t editDistance(std::string_view a, std::string_view b);
// The known key nearest to `key` when it is near enough to be a slip (a case or blank mistake,
// or a few letters off); empty otherwise.
std::string nearestKey(std::string_view key, const std::vector<std::string>& known);

}  // namespace bfcheck
