// Per-frame cost of the plug-in in the simulated game, and the natives it calls per frame.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/runtime.h"
#include "sim/game.h"
#include "sim/world/animals.h"
#include "sim/world/models.h"
#include "sim/world/trade_people.h"
#include "spine/entry.h"
#include "spine/plugin.h"

namespace {

namespace fs = std::filesystem;

struct GameFolder {
    GameFolder() {
        dir = fs::temp_directory_path() / "brackenfold-bench";
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy(BRACKENFOLD_DIST_DIR, dir / "Brackenfold", fs::copy_options::recursive);
        fs::current_path(dir);
    }
    fs::path dir;
};

// A fresh plug-in attached to a fresh game in a copy of the shipped data folder, past start-up.
struct StartedGame {
    // `settings`: lines for the run's Settings.ini, which then holds only them.
    explicit StartedGame(int frames, const char* settings = nullptr) {
        if (settings) std::ofstream(folder.dir / "Brackenfold" / "Settings.ini") << settings;
        bf::installRuntime(nullptr);
        game.attach(&bf::libraryEntry);
        game.runFrames(frames);
    }
    ~StartedGame() { bf::stopPlugin(); }
    GameFolder folder;
    sim::Game game;
};

void BM_IdleFrame(benchmark::State& state) {
    StartedGame started(200);
    sim::Game& game = started.game;
    for (auto _ : state)
        game.runFrame();
    state.counters["natives_per_frame"] = static_cast<double>(game.callsLastFrame());
}
BENCHMARK(BM_IdleFrame);

// Fifty wounded animals bleeding at once (each hit to half health bleeds for 20 s of game time;
// the benchmark hits them again after they stopped).
void BM_FiftyBleedingAnimals(benchmark::State& state) {
    StartedGame started(20);
    sim::Game& game = started.game;
    std::vector<int32_t> animals;
    const sim::ModelInfo& buck = *game.world().models.find(std::string("a_c_buck_01"));
    for (int i = 0; i < 50; ++i)
        animals.push_back(
            sim::spawnPed(game, buck, {1530.0f + i, 440.0f, 90.0f}, 0.0f, 1, 1.0f).handle);
    game.runFrame();
    const uint32_t rifle = sim::gameHash("WEAPON_RIFLE_SPRINGFIELD");
    auto hitAll = [&] {
        for (int32_t handle : animals) {
            sim::Entity* e = game.world().entities.find(handle);
            e->health = e->maxHealth;
            sim::damagePed(game, *e, game.world().player.ped, rifle, sim::kBoneSpine, 0.5f, false);
        }
    };
    hitAll();
    uint64_t frames = 0, calls = 0;
    for (auto _ : state) {
        if (++frames % 700 == 0) hitAll();
        game.runFrame();
        calls += game.callsLastFrame();
    }
    state.counters["natives_per_frame"] = static_cast<double>(calls) / static_cast<double>(frames);
}
BENCHMARK(BM_FiftyBleedingAnimals);

// A trade running, from the offer to its outcome, again and again: a mounted player with a perfect
// pelt, a passer-by beside him. Counts only the frames in which a trade runs.
void BM_FrameWhileTrading(benchmark::State& state) {
    StartedGame started(20, "EnableTrading=1\n");
    sim::Game& game = started.game;
    sim::World& world = game.world();
    const sim::Vec3 at = world.entities.find(world.player.ped)->position;
    const sim::ModelInfo& horseModel = *world.models.find(std::string("a_c_horse_morgan_bay"));
    const sim::ModelInfo& person = *world.models.find(std::string("a_m_m_rancher_01"));
    sim::Entity& horse = sim::spawnPed(game, horseModel, at, 0.0f, 1, 1.0f);
    const bf::Trading& trading = bf::runningPlugin()->trading();
    auto offer = [&] {
        // A frame without a target drops the last buyer's prompt.
        sim::closeInspection(game);
        game.runFrame();
        sim::Entity& player = *world.entities.find(world.player.ped);
        player.position = at;
        sim::mountHorse(world, player, horse.handle);
        if (horse.trade.cargo.empty())
            sim::addCargo(game, horse, sim::gameHash("a_c_buck_01"), true, 2, 0.0f);
        const int32_t buyer =
            sim::spawnPed(game, person, {at.x + 2.5f, at.y, at.z}, 0.0f, 1, 1.0f).handle;
        sim::inspectPed(game, buyer);
        game.runFrames(3);
        const auto shown = world.prompts.shown(buyer);
        if (shown.empty()) return;
        world.prompts.press(shown.front()->control);
        game.runFrame();
        world.prompts.release();
    };
    uint64_t frames = 0, calls = 0, most = 0;
    for (auto _ : state) {
        if (!trading.executor()) {
            state.PauseTiming();
            offer();
            state.ResumeTiming();
        }
        game.runFrame();
        if (!trading.executor()) continue;
        ++frames;
        calls += game.callsLastFrame();
        most = std::max<uint64_t>(most, game.callsLastFrame());
    }
    state.counters["natives_per_frame"] =
        frames ? static_cast<double>(calls) / static_cast<double>(frames) : 0.0;
    state.counters["natives_most_in_a_frame"] = static_cast<double>(most);
}
BENCHMARK(BM_FrameWhileTrading);

}  // namespace

BENCHMARK_MAIN();
