// Registration of the scenario commands, one function per subject (scenario/commands_*.cpp), and
// what the subjects' files share.
#pragma once

#include <filesystem>
#include <string>

#include "sim/scenario/scenario.h"

namespace sim::scenario {

void registerRunCommands(CommandRegistry& registry);          // seed, time, restart, running
void registerWorldCommands(CommandRegistry& registry);        // chaos, language, wildlife, posts
void registerFileCommands(CommandRegistry& registry);         // settings, data files, the log
void registerPlayerCommands(CommandRegistry& registry);       // the player and his money
void registerPedCommands(CommandRegistry& registry);          // spawning, hits, names, entities
void registerPersonCommands(CommandRegistry& registry);       // what a person is and does
void registerCargoCommands(CommandRegistry& registry);        // what horses carry
void registerScreenCommands(CommandRegistry& registry);       // texts, sprites, prompts, blips
void registerCompetitionCommands(CommandRegistry& registry);  // taking up an offer

// A file of the run's data folder, rewritten with one key set / with one line appended (also for
// the runner, which switches the recorder on).
void setDataFileKey(const std::filesystem::path& file, const std::string& keyValue);
void appendDataFileLine(const std::filesystem::path& file, const std::string& line);

// A malformed line: throws SyntaxError naming it.
[[noreturn]] void malformed(const Args& a, const std::string& why);
// The first argument is "on" or "off".
void checkOnOff(const Args& a);
// The game's model catalogue, for checking names before the game runs.
const Models& modelCatalogue();
// The entity the scenario calls a[i]; fails when it is no longer in the world.
Entity& entityOf(Runner& run, const Args& a, size_t i);
Entity& playerPed(Runner& run);
// The position of the blip whose name contains `text`, on the ground; fails when there is none.
Vec3 blipPlace(Runner& run, const std::string& text);

}  // namespace sim::scenario
