// Per-frame cost of the plug-in in the simulated game, and the natives it calls per frame.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/context.h"
#include "core/entry.h"
#include "sim/game.h"

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

void BM_IdleFrame(benchmark::State& state) {
    GameFolder folder;
    bf::resetContext();
    sim::Game game;
    game.attach(&bf::libraryEntry);
    game.runFrames(200);
    for (auto _ : state)
        game.runFrame();
    state.counters["natives_per_frame"] = static_cast<double>(game.callsLastFrame());
}
BENCHMARK(BM_IdleFrame);

}  // namespace

BENCHMARK_MAIN();
