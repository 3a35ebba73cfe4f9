// Registration of the scenario commands, one function per domain (scenario/commands_*.cpp).
#pragma once

#include <string>

#include "sim/scenario/scenario.h"

namespace sim::scenario {

void registerCoreCommands(CommandRegistry& registry);
void registerAnimalCommands(CommandRegistry& registry);
void registerScreenCommands(CommandRegistry& registry);  // sprites drawn, the player's cash
void registerWorldCommands(CommandRegistry& registry);
void registerPopulationCommands(CommandRegistry& registry);   // walking the map
void registerWildlifeCommands(CommandRegistry& registry);     // bait, ambient animals
void registerCompetitionCommands(CommandRegistry& registry);  // naming, blips, player states
void registerTradingCommands(CommandRegistry& registry);      // horses, cargo, people

// Shared by the domain files: a file of the run's data folder, rewritten with one key set.
void setDataFileKey(const std::filesystem::path& file, const std::string& keyValue);
void appendDataFileLine(const std::filesystem::path& file, const std::string& line);

}  // namespace sim::scenario
