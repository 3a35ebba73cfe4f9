// The frame budget: for each situation, built in the simulated game by a scenario, the most native
// calls the game counted in one of its frames stays within the budget; the plug-in's own tally of
// a frame's calls (what the worst-frame report prints) agrees with the game's count; and after a
// whole competition and a whole trade the plug-in holds no more of the game's objects than before.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/frame_tally.h"
#include "plugin_fixture.h"
#include "sim/scenario/scenario.h"
#include "sim/world/script_objects.h"
#include "spine/entry.h"
#include "spine/plugin.h"

namespace {

namespace fs = std::filesystem;

// A frame as the observer sees it once the game has run it.
struct Frame {
    bf::Plugin& plugin;
    sim::Game& game;
    // The processor's state before and after the frame (-2: no competition).
    int32_t competitionBefore = -2;
    int32_t competitionAfter = -2;
    // The trade's stage before and after the frame (-1: no trade).
    int tradeBefore = -1;
    int tradeAfter = -1;
    // Whom the player inspected in the frame before (0: no one).
    int32_t targetBefore = 0;

    size_t calls() const { return game.callsLastFrame(); }
    bool did(bf::Activity activity) const { return plugin.frameTally.calls(activity) > 0; }
    // A hunter took a decision: the plug-in asked the game for the peds round someone, or gave
    // someone a task sequence.
    bool decided() const {
        for (const sim::RecordedCall& call : game.lastFrameCalls()) {
            if (call.name == "GET_PED_NEARBY_PEDS" || call.name == "TASK_PERFORM_SEQUENCE")
                return true;
        }
        return false;
    }
    // The game raised nothing (no ped made, no damage, no prompt) in the frame.
    bool quiet() const { return game.world().events.lastFrameSize() == 0; }
};

struct Situation {
    Situation(std::string what, size_t most_allowed, std::function<bool(const Frame&)> test)
        : name(std::move(what)), budget(most_allowed), holds(std::move(test)) {}

    std::string name;
    size_t budget = 0;
    std::function<bool(const Frame&)> holds;
    size_t frames = 0;
    size_t most = 0;
    uint64_t worstFrame = 0;
    // The worst frame's natives by name, for the failure message.
    std::string worstCalls;
};

std::string callsByName(const sim::Game& game) {
    std::map<std::string, int> counts;
    for (const sim::RecordedCall& call : game.lastFrameCalls())
        ++counts[call.name];
    std::string text;
    for (const auto& [name, n] : counts)
        text += "\n  " + std::to_string(n) + " " + name;
    return text;
}

int32_t competitionState(bf::Plugin& plugin) {
    bf::HuntingCompetitionProcessor* processor = plugin.competitions().processor();
    return processor ? processor->state() : -2;
}

int tradeStage(bf::Plugin& plugin) {
    const auto* executor = plugin.trading().executor();
    return executor ? static_cast<int>(executor->stage()) : -1;
}

class FrameBudgetTest : public ::testing::Test {
  protected:
    void TearDown() override { bf::installRuntime(nullptr); }

    // Plays the scenario, sorting every frame in which the plug-in ran into the situations;
    // `each` sees every such frame too. Fails the test when the scenario does not play through.
    void play(const std::string& text, std::vector<Situation*> situations,
              const std::function<void(const Frame&)>& each = {}) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        sim::scenario::RunOptions options;
        options.plugin = &bf::libraryEntry;
        options.gameDir =
            fs::temp_directory_path() / unitRunFolder() / (std::string("budget.") + info->name());
        fs::remove_all(options.gameDir);
        std::ostringstream out;
        options.out = &out;
        options.beforeGameEnds = &bf::stopPlugin;
        options.trace = true;  // keeps each frame's calls, for the failure messages
        int32_t competition = -2;
        int trade = -1;
        int32_t target = 0;
        options.afterFrame = [&](sim::Game& game) {
            bf::Plugin* plugin = bf::runningPlugin();
            if (!plugin || game.callsLastFrame() == 0) return;  // the script slept
            // The worst-frame report stands on the plug-in's own tally.
            if (plugin->frameTally.total() != game.callsLastFrame()) ++tallyMismatches_;
            // Start-up is no situation of its own (and the features may not exist yet).
            if (plugin->frameTally.calls(bf::Activity::StartUp) > 0) return;
            Frame frame{
                *plugin, game, competition, competitionState(*plugin), trade, tradeStage(*plugin),
                target};
            target = game.world().player.target;
            competition = frame.competitionAfter;
            trade = frame.tradeAfter;
            for (Situation* s : situations) {
                if (!s->holds(frame)) continue;
                ++s->frames;
                if (frame.calls() > s->most) {
                    s->most = frame.calls();
                    s->worstFrame = game.frame();
                    s->worstCalls = callsByName(game);
                }
            }
            if (each) each(frame);
        };
        bf::installRuntime(nullptr);
        int code = 0;
        {
            sim::scenario::Runner runner(options);
            std::istringstream in(text);
            code = runner.run(sim::scenario::tokenize(in));
        }
        ASSERT_EQ(code, 0) << out.str();
        EXPECT_EQ(tallyMismatches_, 0) << "frames the plug-in's tally got wrong";
    }

    static void expectWithinBudget(const Situation& s) {
        EXPECT_GT(s.frames, 0u) << s.name << ": the situation never came about";
        EXPECT_LE(s.most, s.budget)
            << s.name << ": " << s.most << " natives in frame " << s.worstFrame << " (of "
            << s.frames << " frames):" << s.worstCalls;
        std::printf("[ budget   ] %-55s most %3zu of %3zu over %zu frames\n", s.name.c_str(),
                    s.most, s.budget, s.frames);
    }

    int tallyMismatches_ = 0;
};

TEST_F(FrameBudgetTest, IdleInTownAndOneAnimalBleeding) {
    // Every feature on, the player in Valentine, where no competition is offered; then a buck hit
    // beside him bleeds for a few seconds.
    Situation idle{"idle", 13, [](const Frame& f) {
                       return f.plugin.animalEvents().bleedingPeds().empty() && f.quiet();
                   }};
    size_t bleedingFrames = 0;
    Situation bleeding{"one animal bleeding", 0, [&](const Frame& f) {
                           if (f.plugin.animalEvents().bleedingPeds().size() != 1) {
                               bleedingFrames = 0;
                               return false;
                           }
                           // The hit itself (its event and the start of bleeding) is not
                           // the bleeding that follows, nor is reading an event of the game.
                           return ++bleedingFrames > 2 && f.quiet();
                       }};
    play(R"(seed 1
setting EnableTrading=1
setting BaitPlips=1
player at -283 724 100
wait 20s
spawn buck a_c_buck_01 at -279 724 100
frames 2
damage buck health 0.4
wait 5s
)",
         {&idle, &bleeding});
    expectWithinBudget(idle);
    bleeding.budget = idle.most + 12;
    bleeding.name = "one animal bleeding (idle + 12)";
    expectWithinBudget(bleeding);
}

TEST_F(FrameBudgetTest, ACreationAttemptThatFindsNoCampSpotStaysWithinItsBudget) {
    // The only place of the kind offered lies far from every camp spot: each attempt chooses
    // thirty times and fails, every five seconds.
    std::string scenario = "seed 3\n";
    for (const char* model : {"a_c_boar_01", "a_c_coyote_01", "a_c_duck_01", "a_c_goosecanada_01",
                              "a_c_pronghorn_01", "a_c_rabbit_01", "a_c_bighornram_01"})
        scenario += std::string("data AnimalSpawns.dat ") + model + ".rarity_level=1\n";
    scenario +=
        "data AnimalSpawns.dat a_c_buck_01.count=1\n"
        "data AnimalSpawns.dat a_c_buck_01.0=1521.5,889,120\n"
        "wait 20s\n"
        "expect log-count \"could not find a start location for competition\" 4\n";
    Situation creation{"a failed competition creation", 150,
                       [](const Frame& f) { return f.did(bf::Activity::CompetitionCreation); }};
    play(scenario, {&creation});
    expectWithinBudget(creation);
}

// A whole competition from the default start, then a trade on the road: the situations of both,
// and what the plug-in holds in the game before, after the competition and after the trade.
TEST_F(FrameBudgetTest, ACompetitionAndATradeStayWithinBudgetAndLeaveNothingBehind) {
    Situation creation{"the frame a competition is created", 150,
                       [](const Frame& f) { return f.did(bf::Activity::CompetitionCreation); }};
    // The offer standing: from the processor's second frame on (its first shows the offer's
    // blip), while no camp is being built.
    int offeredFrames = 0;
    Situation offered{
        "a competition offered, the player far from the camp", 16, [&](const Frame& f) {
            offeredFrames = f.competitionBefore == bf::kStateOffered ? offeredFrames + 1 : 0;
            return offeredFrames > 1 && f.competitionAfter == bf::kStateOffered &&
                   !f.did(bf::Activity::CompetitionCamp);
        }};
    // The player inspecting someone (the rival, say) is other features' work; the rival's
    // decisions (a scan of the peds round him, new orders, every few seconds) are events of his
    // hunt: the frames in between, while he walks, stalks or aims, are what is budgeted.
    Situation running{"a mass-hunting competition running, no event", 51, [](const Frame& f) {
                          return f.competitionBefore == bf::kStateRunning &&
                                 f.competitionAfter == bf::kStateRunning && f.quiet() &&
                                 !f.did(bf::Activity::CompetitionAnimals) && f.targetBefore == 0 &&
                                 f.game.world().player.target == 0 && !f.decided();
                      }};
    Situation trade{"a trade running, the buyer walking to the horse", 25, [](const Frame& f) {
                        const int approach = static_cast<int>(bf::TradeStage::ApproachHorse);
                        return f.tradeBefore == approach && f.tradeAfter == approach;
                    }};

    std::optional<sim::ScriptObjects> before, afterCompetition, afterTrade;
    bool competitionSeen = false;
    auto each = [&](const Frame& f) {
        const sim::ScriptObjects held = sim::scriptObjects(f.game.world());
        if (!before) before = held;
        if (f.competitionAfter != -2) competitionSeen = true;
        if (competitionSeen && f.competitionAfter == -2 && !afterCompetition)
            afterCompetition = held;
        afterTrade = held;
    };
    play(R"(seed 2
setting HuntingCompetitions_TimeCap=5
setting EnableTrading=1
wait 3s
expect log "HuntingCompetitionsManager: competition created. animal type: "
wait 5s
join competition
expect log "HuntingCompetitionProcessor: competition started - opponents arrived at area"
wait 6min
expect log "HuntingCompetitionProcessor: competition finished with outcome: "
player at 1400 430 90
spawn horse a_c_horse_morgan_bay at 1400 430 90
player mount horse
cargo horse add a_c_buck_01 pelt quality 2
spawn rancher a_m_m_rancher_01 at 1402.5 430 90
wait 6s
target rancher
frames 3
press prompt "Offer your cargo"
wait 30s
expect log "TradeInteractionExecutor: outcome changed: 0 -> 2"
untarget
frames 5
expect no-log "Something wrong happened"
)",
         {&creation, &offered, &running, &trade}, each);
    for (const Situation* s : {&creation, &offered, &running, &trade})
        expectWithinBudget(*s);

    ASSERT_TRUE(before && afterCompetition && afterTrade);
    EXPECT_EQ(afterCompetition->text(), before->text()) << "after the competition";
    EXPECT_EQ(afterTrade->text(), before->text()) << "after the trade";
}

}  // namespace
