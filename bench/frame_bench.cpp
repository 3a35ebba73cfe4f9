// Per-frame cost of the plug-in in the simulated game, situation by situation, beside a bare
// script on the same game that only reads the player's ped and yields. Times are noisy, so the
// program ends by printing each situation's CPU time per frame as a ratio to the bare script's,
// all measured in the same run; natives per frame are exact and shown as counters.
//
// It also counts heap allocations made on the script thread (the plug-in's code and the game's
// answers to its calls) in idle frames, and exits 1 when there are any.
//
// The flight recorder's budgets (core/recorder.h), measured in the same run: with recording on,
// at most 1.25 times the CPU per frame of recording off, idle and with a competition running;
// no heap allocation per idle frame; at most 25 MB per hour of play at the demo session's call
// rate; a replay at least 20 times faster than real time. It exits 1 when one does not hold.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "../tools/demo_session.h"
#include "core/hook.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "replay/bfrec_reader.h"
#include "replay/replayer.h"
#include "sim/game.h"
#include "sim/scenario/scenario.h"
#include "sim/script_thread.h"
#include "sim/world/animals.h"
#include "sim/world/models.h"
#include "sim/world/trade_people.h"
#include "spine/entry.h"
#include "spine/plugin.h"

// --- Heap allocations, counted by thread
// -----------------------------------------------------------

namespace {
std::atomic<uint64_t> gScriptAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
    if (sim::ScriptThread::onScriptThread())
        gScriptAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

namespace fs = std::filesystem;

// --- CPU time per frame, kept for the closing table
// ------------------------------------------------

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Measured {
    double cpuSeconds = 0.0;
    uint64_t frames = 0;
    double perFrame() const { return frames ? cpuSeconds / static_cast<double>(frames) : 0.0; }
};
// By situation, in the order they ran.
std::vector<std::pair<std::string, Measured>> gMeasured;
double gIdleAllocationsPerFrame = -1.0;
double gIdleRecordingAllocationsPerFrame = -1.0;
// The demo session recorded: MB per hour of play, and its replay's speed over real time.
double gRecordingMBPerHour = -1.0;
double gReplaySpeed = -1.0;

// Runs `frame` once per iteration and keeps the process CPU time of the frames it counted (those
// for which it returned true) under `name`.
template <class Frame>
Measured measureFrames(benchmark::State& state, const char* name, sim::Game& game, Frame frame) {
    Measured m;
    uint64_t calls = 0;
    for (auto _ : state) {
        const double start = processCpuSeconds();
        if (!frame()) continue;
        m.cpuSeconds += processCpuSeconds() - start;
        ++m.frames;
        calls += game.callsLastFrame();
    }
    state.counters["natives_per_frame"] =
        m.frames ? static_cast<double>(calls) / static_cast<double>(m.frames) : 0.0;
    gMeasured.emplace_back(name, m);
    return m;
}

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
    // `settings`: lines appended to the run's Settings.ini; `at`: where the player stands.
    StartedGame(int frames, const char* settings, sim::Vec3 at = {1521.5f, 439.356f, 90.6807f}) {
        if (settings)
            std::ofstream(folder.dir / "Brackenfold" / "Settings.ini", std::ios::app) << "\n"
                                                                                      << settings;
        bf::installRuntime(nullptr);
        game.world().entities.find(game.world().player.ped)->position = at;
        game.attach(&bf::libraryEntry);
        game.runFrames(static_cast<uint64_t>(frames));
    }
    ~StartedGame() { bf::stopPlugin(); }
    GameFolder folder;
    sim::Game game;
};

constexpr sim::Vec3 kValentine = {-283.0f, 724.0f, 100.0f};

// --- The bare script
// ------------------------------------------------------------------------------

[[noreturn]] void bareScript() {
    for (;;) {
        bf::natives::playerPedId();
        hook::scriptWait(0);
    }
}

bool bareEntry(void* module, uint32_t reason) {
    if (reason == bf::kProcessAttach) hook::scriptRegister(module, &bareScript);
    return true;
}

void BM_BareScript(benchmark::State& state) {
    GameFolder folder;
    bf::installRuntime(nullptr);
    sim::Game game;
    game.attach(&bareEntry);
    game.runFrames(20);
    measureFrames(state, "BareScript", game, [&] {
        game.runFrame();
        return true;
    });
}
BENCHMARK(BM_BareScript)->Iterations(20000);

// --- The plug-in's situations
// ---------------------------------------------------------------------

// Every feature on, the player in a town where no competition is offered, nothing near him. The
// frames that save the population (every two minutes, they write files) are not idle and their
// allocations are left out.
void idleFrames(benchmark::State& state, const char* name, const char* settings,
                double& allocationsPerFrame) {
    StartedGame started(300, settings, kValentine);
    sim::Game& game = started.game;
    const bf::FrameTally& tally = bf::runningPlugin()->frameTally;
    uint64_t allocations = 0, saves = 0;
    const Measured m = measureFrames(state, name, game, [&] {
        const uint64_t before = gScriptAllocations.load();
        game.runFrame();
        if (tally.calls(bf::Activity::PopulationSave) > 0) {
            ++saves;
        } else {
            allocations += gScriptAllocations.load() - before;
        }
        return true;
    });
    allocationsPerFrame = static_cast<double>(allocations) /
                          static_cast<double>(std::max<uint64_t>(m.frames - saves, 1));
    state.counters["allocations_per_frame"] = allocationsPerFrame;
    state.counters["save_frames"] = static_cast<double>(saves);
}

void BM_Idle(benchmark::State& state) {
    idleFrames(state, "Idle", "EnableTrading=1\nBaitPlips=1\n", gIdleAllocationsPerFrame);
}
BENCHMARK(BM_Idle)->Iterations(20000);

// The same with the flight recorder on.
void BM_IdleRecording(benchmark::State& state) {
    idleFrames(state, "IdleRecording", "EnableTrading=1\nBaitPlips=1\nRecorder_Enabled=1\n",
               gIdleRecordingAllocationsPerFrame);
}
BENCHMARK(BM_IdleRecording)->Iterations(20000);

// One buck bleeding beside the idle player (hit again whenever it has stopped bleeding).
void BM_OneAnimalBleeding(benchmark::State& state) {
    StartedGame started(300, "EnableTrading=1\nBaitPlips=1\n", kValentine);
    sim::Game& game = started.game;
    const sim::ModelInfo& buck = *game.world().models.find(std::string("a_c_buck_01"));
    const int32_t animal =
        sim::spawnPed(game, buck, {kValentine.x + 4.0f, kValentine.y, kValentine.z}, 0.0f, 1, 1.0f)
            .handle;
    game.runFrames(3);
    const uint32_t rifle = sim::gameHash("WEAPON_RIFLE_SPRINGFIELD");
    const bf::AnimalEventsHandler& events = bf::runningPlugin()->animalEvents();
    measureFrames(state, "OneAnimalBleeding", game, [&] {
        if (events.bleedingPeds().empty()) {
            state.PauseTiming();
            sim::Entity* e = game.world().entities.find(animal);
            e->health = e->maxHealth;
            sim::damagePed(game, *e, game.world().player.ped, rifle, sim::kBoneSpine, 0.4f, false);
            game.runFrames(3);
            state.ResumeTiming();
            return false;
        }
        game.runFrame();
        return true;
    });
}
BENCHMARK(BM_OneAnimalBleeding)->Iterations(20000);

// An offer standing, the player where he was when it came (farther than the camp is built).
void BM_CompetitionOffered(benchmark::State& state) {
    StartedGame started(200, nullptr);
    sim::Game& game = started.game;
    bf::HuntingCompetitionsManager& competitions = bf::runningPlugin()->competitions();
    measureFrames(state, "CompetitionOffered", game, [&] {
        game.runFrame();
        return competitions.processor() && competitions.processor()->state() == bf::kStateOffered;
    });
}
BENCHMARK(BM_CompetitionOffered)->Iterations(20000);

// A scenario played up to the point the benchmark takes over; the runner keeps the game.
struct ScenarioGame {
    explicit ScenarioGame(const char* text) {
        options.plugin = &bf::libraryEntry;
        options.gameDir = fs::temp_directory_path() / "brackenfold-bench-scenario";
        fs::remove_all(options.gameDir);
        options.out = &out;
        options.beforeGameEnds = &bf::stopPlugin;
        bf::installRuntime(nullptr);
        runner = std::make_unique<sim::scenario::Runner>(options);
        std::istringstream in(text);
        if (runner->run(sim::scenario::tokenize(in)) != 0) {
            std::fprintf(stderr, "%s", out.str().c_str());
            std::abort();
        }
    }
    std::ostringstream out;
    sim::scenario::RunOptions options;
    std::unique_ptr<sim::scenario::Runner> runner;
};

// Mass hunting under way: the widget drawn, the rival hunting (frames with an event or an
// animal spawned are not counted).
constexpr const char* kCompetitionRunning = R"(seed 2
setting HuntingCompetitions_TimeCap=30
wait 3s
join competition
expect log "competition started"
wait 1s
)";

void competitionRunning(benchmark::State& state, const char* name, const std::string& scenario) {
    ScenarioGame played(scenario.c_str());
    sim::Game& game = played.runner->game();
    bf::HuntingCompetitionsManager& competitions = bf::runningPlugin()->competitions();
    const bf::FrameTally& tally = bf::runningPlugin()->frameTally;
    measureFrames(state, name, game, [&] {
        game.runFrame();
        return competitions.processor() && competitions.processor()->state() == bf::kStateRunning &&
               game.world().events.lastFrameSize() == 0 &&
               tally.calls(bf::Activity::CompetitionAnimals) == 0;
    });
}

void BM_CompetitionRunning(benchmark::State& state) {
    competitionRunning(state, "CompetitionRunning", kCompetitionRunning);
}
BENCHMARK(BM_CompetitionRunning)->Iterations(20000);

void BM_CompetitionRunningRecording(benchmark::State& state) {
    competitionRunning(state, "CompetitionRunningRecording",
                       std::string("setting Recorder_Enabled=1\n") + kCompetitionRunning);
}
BENCHMARK(BM_CompetitionRunningRecording)->Iterations(20000);

// A trade running, from the offer to its outcome, again and again: a mounted player with a perfect
// pelt, a passer-by beside him. Counts only the frames in which a trade runs.
void BM_TradeRunning(benchmark::State& state) {
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
    uint64_t most = 0;
    measureFrames(state, "TradeRunning", game, [&] {
        if (!trading.executor()) {
            state.PauseTiming();
            offer();
            state.ResumeTiming();
            return false;
        }
        game.runFrame();
        if (!trading.executor()) return false;
        most = std::max<uint64_t>(most, game.callsLastFrame());
        return true;
    });
    state.counters["natives_most_in_a_frame"] = static_cast<double>(most);
}
BENCHMARK(BM_TradeRunning)->Iterations(20000);

// Fifty wounded animals bleeding at once (each hit to half health bleeds for 20 s of game time;
// the benchmark hits them again after they stopped).
void BM_FiftyBleedingAnimals(benchmark::State& state) {
    StartedGame started(20, nullptr);
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
    uint64_t frames = 0;
    measureFrames(state, "FiftyBleedingAnimals", game, [&] {
        if (++frames % 700 == 0) hitAll();
        game.runFrame();
        return true;
    });
}
BENCHMARK(BM_FiftyBleedingAnimals)->Iterations(5000);

// The demo session (it records itself), then the replay of its recording.
void BM_DemoRecordedAndReplayed(benchmark::State& state) {
    for (auto _ : state) {
        ScenarioGame played(kDemoSession);
        const uint64_t frames = played.runner->game().frame();
        played.runner.reset();
        fs::path recording;
        for (const auto& entry :
             fs::directory_iterator(played.options.gameDir / "Brackenfold" / "Recordings"))
            recording = entry.path();
        // What the session adds, the data folder it starts with left out.
        std::vector<uint8_t> bytes;
        replay::readFile(recording.string(), bytes);
        replay::Reader reader(bytes.data(), bytes.size());
        replay::Header header;
        replay::Record record;
        reader.header(header);
        size_t sessionStart = reader.offset();
        while (reader.next(record) == replay::Reader::Status::Ok &&
               record.kind == replay::Kind::File)
            sessionStart = reader.offset();
        const double hours = static_cast<double>(frames) * sim::Game::kFrameMs / 3600000.0;
        gRecordingMBPerHour =
            static_cast<double>(bytes.size() - sessionStart) / (1024.0 * 1024.0) / hours;
        state.counters["MB_per_hour"] = gRecordingMBPerHour;
        state.counters["file_MB"] = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);

        std::ostringstream out;
        replay::ReplayOptions options;
        options.recording = recording.string();
        options.gameDir = fs::temp_directory_path() / "brackenfold-bench-replay";
        options.plugin = &bf::libraryEntry;
        options.stopPlugin = &bf::stopPlugin;
        options.out = &out;
        bf::installRuntime(nullptr);
        const auto start = std::chrono::steady_clock::now();
        const int code = replay::runReplay(options);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (code != 0) {
            std::fprintf(stderr, "%s", out.str().c_str());
            std::abort();
        }
        gReplaySpeed = static_cast<double>(frames) * sim::Game::kFrameMs / 1000.0 / seconds;
        state.counters["replay_x_real_time"] = gReplaySpeed;
    }
}
BENCHMARK(BM_DemoRecordedAndReplayed)->Iterations(1)->Unit(benchmark::kSecond);

double perFrameOf(const char* name) {
    for (const auto& [measured, m] : gMeasured) {
        if (measured == name) return m.perFrame();
    }
    return 0.0;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    double bare = 0.0;
    for (const auto& [name, m] : gMeasured) {
        if (name == "BareScript") bare = m.perFrame();
    }
    std::printf(
        "\nCPU per frame, as a ratio to the bare script (reads the player's ped, yields):\n");
    for (const auto& [name, m] : gMeasured) {
        std::printf("  %-36s %8.2f us/frame", name.c_str(), m.perFrame() * 1e6);
        if (bare > 0.0) std::printf("  %6.2fx", m.perFrame() / bare);
        std::printf("\n");
    }
    int code = 0;
    if (gIdleAllocationsPerFrame >= 0.0) {
        std::printf("heap allocations on the script thread per idle frame: %.3f\n",
                    gIdleAllocationsPerFrame);
        if (gIdleAllocationsPerFrame > 0.0) code = 1;
    }
    // The flight recorder's budgets.
    auto budget = [&](const char* what, double value, bool holds, const char* limit) {
        std::printf("  %-52s %8.2f  (budget %s)%s\n", what, value, limit,
                    holds ? "" : "  OVER BUDGET");
        if (!holds) code = 1;
    };
    std::printf("\nthe flight recorder:\n");
    const double idleOff = perFrameOf("Idle"), idleOn = perFrameOf("IdleRecording");
    if (idleOff > 0.0 && idleOn > 0.0)
        budget("CPU per idle frame, recording on / off", idleOn / idleOff, idleOn / idleOff <= 1.25,
               "1.25x");
    const double runOff = perFrameOf("CompetitionRunning");
    const double runOn = perFrameOf("CompetitionRunningRecording");
    if (runOff > 0.0 && runOn > 0.0)
        budget("CPU per frame, competition running, recording on / off", runOn / runOff,
               runOn / runOff <= 1.25, "1.25x");
    if (gIdleRecordingAllocationsPerFrame >= 0.0)
        budget("heap allocations per idle frame, recording on", gIdleRecordingAllocationsPerFrame,
               gIdleRecordingAllocationsPerFrame == 0.0, "0");
    if (gRecordingMBPerHour >= 0.0)
        budget("MB per hour of play at the demo's call rate", gRecordingMBPerHour,
               gRecordingMBPerHour <= 25.0, "25 MB");
    if (gReplaySpeed >= 0.0)
        budget("replay of the demo, times real time", gReplaySpeed, gReplaySpeed >= 20.0,
               "at least 20x");
    return code;
}
