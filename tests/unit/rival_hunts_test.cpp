// The rival as a figure: a ten-minute mass hunt on twenty seeds, the player standing in the area
// and doing nothing, so that every point is the rival's. On every seed he must take at least two
// animals and never stand without a task for more than a minute of the hunt. The table of his
// kills per seed is printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "competitions/hunting_competition_processor.h"
#include "competitions/hunting_competitions_manager.h"
#include "plugin_fixture.h"
#include "sim/scenario/scenario.h"
#include "sim/world/terrain.h"
#include "spine/entry.h"
#include "spine/plugin.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kHunt = R"(data GeneralMeta.dat hunting_competitions.specific_animal_chance=0
setting HuntingCompetitions_TimeCap=10
wait 3s
expect blip "Hunting Competition"
join competition
wait 11min
expect log "HuntingCompetitionProcessor: time camp reached"
)";

struct Hunt {
    int code = 0;
    int kills = 0;
    uint32_t longestIdleMs = 0;
    std::string output;
};

// Once the hunt is accepted the player goes to the area's centre and stays there.
void standInTheArea(sim::Game& game, bf::HuntingCompetitionProcessor& processor) {
    sim::Entity* player = game.world().entities.find(game.world().player.ped);
    if (!player || processor.state() != bf::kStateTravelling) return;
    const bf::Vector3 centre = processor.info().spawnLocation.position;
    const auto ground = sim::Terrain::heightAt(centre.x, centre.y);
    player->position = {centre.x, centre.y, ground ? *ground : player->position.z};
    game.world().player.walking = false;
}

Hunt huntOn(uint32_t seed) {
    sim::scenario::RunOptions options;
    options.plugin = &bf::libraryEntry;
    options.beforeGameEnds = &bf::stopPlugin;
    options.gameDir =
        fs::temp_directory_path() / unitRunFolder() / ("rival_hunt." + std::to_string(seed));
    fs::remove_all(options.gameDir);
    options.seed = seed;
    options.seedGiven = true;
    std::ostringstream out;
    options.out = &out;
    Hunt hunt;
    uint32_t idleSince = 0;
    options.logLine = [&](const std::string& line) {
        hunt.kills += line.find("opponent scored: ") != std::string::npos ? 1 : 0;
    };
    options.afterFrame = [&](sim::Game& game) {
        bf::Plugin* plugin = bf::runningPlugin();
        bf::HuntingCompetitionProcessor* processor =
            plugin && plugin->ready() ? plugin->competitions().processor() : nullptr;
        if (!processor) return;
        standInTheArea(game, *processor);
        const sim::Entity* rival = game.world().entities.find(processor->info().opponentPed);
        if (processor->state() != bf::kStateRunning || !rival || rival->tasks.busy()) {
            idleSince = 0;
            return;
        }
        if (idleSince == 0) idleSince = game.timer();
        hunt.longestIdleMs = std::max(hunt.longestIdleMs, game.timer() - idleSince);
    };
    bf::installRuntime(nullptr);
    std::istringstream text(kHunt);
    {
        sim::scenario::Runner runner(options);
        hunt.code = runner.run(sim::scenario::tokenize(text));
    }
    hunt.output = out.str();
    return hunt;
}

TEST(RivalHunts, EverySeedOfATenMinuteMassHuntGivesHimKillsAndNoFreeze) {
    constexpr uint32_t kSeeds = 20;
    std::string table = "seed  rival's kills  longest without a task\n";
    int total = 0;
    for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
        const Hunt hunt = huntOn(seed);
        ASSERT_EQ(hunt.code, 0) << "seed " << seed << "\n" << hunt.output;
        char row[96];
        std::snprintf(row, sizeof row, "%4u  %13d  %20.1f s\n", seed, hunt.kills,
                      hunt.longestIdleMs / 1000.0);
        table += row;
        total += hunt.kills;
        EXPECT_GE(hunt.kills, 2) << "seed " << seed;
        EXPECT_LE(hunt.longestIdleMs, 60000u) << "seed " << seed;
    }
    char mean[64];
    std::snprintf(mean, sizeof mean, "mean %.1f kills\n", total / static_cast<double>(kSeeds));
    std::printf("%s%s", table.c_str(), mean);
}

}  // namespace
