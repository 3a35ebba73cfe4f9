// Per-frame cost of the plug-in in the simulated game, and the natives it calls per frame.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/runtime.h"
#include "sim/game.h"
#include "sim/world/animals.h"
#include "sim/world/models.h"
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
    explicit StartedGame(int frames) {
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

}  // namespace

BENCHMARK_MAIN();
