// The event pump: which events reach which handler, in what order, and what a frame costs.
#include <gtest/gtest.h>

#include "animal_fixture.h"
#include "animals/animal_events_handler.h"
#include "animals/animal_hud.h"
#include "core/decorators.h"
#include "core/game_hash.h"
#include "core/runtime.h"
#include "sim/world/events.h"

namespace {

constexpr uint64_t kRegister = 0x0B253D644E3C36B3;
constexpr uint64_t kPanelOpen = 0xDB30BEC7A7A5CBD3;
constexpr uint64_t kHashKey = 0xFD340785ADF8CFB7;

class AnimalEventsTest : public AnimalTest {
  protected:
    bf::AnimalHud& hud() { return plugin().animalHud(); }
    void prompt(int32_t type, int32_t entity) {
        std::vector<uint64_t> data(sim::kPromptTriggeredSlots, 0);
        data[0] = static_cast<uint32_t>(type);
        data[2] = static_cast<uint32_t>(entity);
        game().world().events.push(sim::kEventPromptTriggered, data);
    }
};

TEST(PluginGameHash, MatchesTheGamesHashesOfNames) {
    EXPECT_EQ(bf::literalGameHash("WEAPON_UNARMED"), 0xA2719263u);
    EXPECT_EQ(bf::literalGameHash("WEAPON_HORSE"), 0x8BD282A4u);
    EXPECT_EQ(bf::literalGameHash("Event_Ped_Created"), bf::literalGameHash("event_ped_created"));
    EXPECT_EQ(bf::literalGameHash("EVENT_ENTITY_DAMAGED"), sim::kEventEntityDamaged);
}

TEST_F(AnimalEventsTest, StartUpRegistersTheElevenDecoratorsInOrder) {
    game().setRecording(true);
    start();
    std::vector<std::pair<std::string, uint64_t>> registered;
    for (const auto& call : game().recordedOf(kRegister))
        registered.emplace_back(reinterpret_cast<const char*>(call.args[0]), call.args[1]);
    const std::vector<std::pair<std::string, uint64_t>> expected = {
        {"VX_Trading_isPedUntradeable", 3},
        {"VX_Trading_isTradeInterationRunning", 3},
        {"VX_Brackenfold_Weight", 1},
        {"VX_Brackenfold_Scale", 1},
        {"VX_Brackenfold_BleedingSeconds", 3},
        {"VX_Brackenfold_BleedingSince", 3},
        {"VX_Brackenfold_CriticalShot", 3},
        {"VX_Brackenfold_CriticalShotLastDamageTime", 3},
        {"VX_Brackenfold_Competition_AnimalHandled", 3},
        {"VX_Brackenfold_Competition_Animal", 3},
        {"VX_Brackenfold_Competition_Rival", 3},
    };
    EXPECT_EQ(registered, expected);
}

TEST_F(AnimalEventsTest, SeveralEventsAreHandledInQueueOrder) {
    start();
    const int32_t first = spawn("a_c_rabbit_01");
    const int32_t second = spawn("a_c_bear_01");
    const int32_t hurt = spawn("a_c_buck_01");
    game().runFrame();
    const int32_t third = spawn("a_c_boar_01");
    hit(hurt);
    const int32_t fourth = spawn("a_c_moose_01");
    game().setRecording(true);
    game().runFrame();
    std::vector<int32_t> scaled;
    for (const auto& call : game().recordedOf(kSetScale))
        scaled.push_back(static_cast<int32_t>(call.args[0]));
    EXPECT_EQ(scaled, (std::vector<int32_t>{third, fourth}));
    EXPECT_TRUE(hasDecorator(first, bf::kDecorScale) && hasDecorator(second, bf::kDecorScale));
    EXPECT_EQ(plugin().animalEvents().bleedingPeds(), std::vector<int32_t>{hurt});
    EXPECT_TRUE(game().recordedOf(kHashKey).empty()) << "event names are hashed at compile time";
}

TEST_F(AnimalEventsTest, AnEmptyQueueStillRunsTheBleedingTick) {
    start();
    const int32_t buck = spawn("a_c_buck_01");
    game().runFrame();
    hit(buck, 1.0f - 0.1f);  // one game unit of length: 120 game seconds
    game().runFrame();
    ASSERT_EQ(plugin().animalEvents().bleedingPeds().size(), 1u);
    game().advance(4100);
    EXPECT_TRUE(plugin().animalEvents().bleedingPeds().empty());
}

TEST_F(AnimalEventsTest, OnlyTheInspectPromptSetsTheTargetOnceThePanelOpens) {
    start();
    const int32_t buck = spawn("a_c_buck_01");
    game().runFrame();

    prompt(34, buck);
    game().runFrames(3);
    EXPECT_FALSE(hud().active()) << "another prompt type";

    // The panel opens a frame after the prompt; the pump looks again after its short wait.
    sim::inspectPed(game(), buck);
    game().runFrames(2);
    EXPECT_TRUE(hud().active());
    EXPECT_EQ(hud().target(), buck);

    // A prompt while the panel is already up changes nothing.
    const int32_t doe = spawn("a_c_deer_01");
    game().runFrame();
    prompt(35, doe);
    game().runFrames(2);
    EXPECT_EQ(hud().target(), buck);

    // A panel that never opens sets nothing.
    sim::closeInspection(game());
    game().runFrame();
    ASSERT_FALSE(hud().active());
    prompt(35, doe);
    game().runFrames(3);
    EXPECT_FALSE(hud().active());
}

TEST_F(AnimalEventsTest, EventsOfTheFrameAfterThePromptWaitAreNotLost) {
    start();
    const int32_t buck = spawn("a_c_buck_01");
    game().runFrame();
    sim::inspectPed(game(), buck);
    int32_t late = 0;
    const uint64_t waitFrame = game().frame() + 2;
    game().onFrameStart([&] {
        if (game().frame() == waitFrame) late = spawn("a_c_rabbit_01");
    });
    game().runFrames(3);
    EXPECT_EQ(hud().target(), buck);
    ASSERT_NE(late, 0);
    EXPECT_TRUE(hasDecorator(late, bf::kDecorScale));
}

TEST_F(AnimalEventsTest, EventsQueuedBehindTheInspectPromptAreHandled) {
    start();
    const int32_t buck = spawn("a_c_buck_01");
    const int32_t doe = spawn("a_c_deer_01");
    game().runFrame();
    // One frame's queue: the prompt first, then a new animal and a kill behind it.
    sim::inspectPed(game(), buck);
    const int32_t rabbit = spawn("a_c_rabbit_01");
    sim::damagePed(game(), *entity(doe), player(), sim::gameHash("WEAPON_RIFLE_SPRINGFIELD"),
                   sim::kBoneSpine, 0.0f, true);
    game().runFrames(3);
    EXPECT_EQ(hud().target(), buck);
    EXPECT_TRUE(hasDecorator(rabbit, bf::kDecorScale)) << "created behind the prompt";
    EXPECT_NE(log().find("updating animal population factor"), std::string::npos)
        << "killed behind the prompt";
}

TEST_F(AnimalEventsTest, NativesPerFrameIdleAndWithFiftyBleedingAnimals) {
    // No competition is offered meanwhile (its frames are measured with the competitions).
    writeDataFile("Settings.ini",
                  readDataFile("Settings.ini") + "\nHuntingCompetitions_Enabled=0\n");
    start();
    game().runFrame();
    const size_t idle = game().callsLastFrame();
    // The player ped, the map-area tracker (3), the pump (1), the bait check (1), the population
    // update (3).
    EXPECT_LE(idle, 10u);

    std::vector<int32_t> bucks;
    for (int i = 0; i < 50; ++i)
        bucks.push_back(spawn("a_c_buck_01"));
    game().runFrame();
    for (int32_t buck : bucks)
        hit(buck);
    game().runFrame();
    ASSERT_EQ(plugin().animalEvents().bleedingPeds().size(), 50u);
    // Knocked over by the hits, they bleed for a moment; measured once they stand again.
    game().advance(1500);
    size_t most = 0, least = SIZE_MAX;
    for (int i = 0; i < 60; ++i) {
        game().runFrame();
        most = std::max(most, game().callsLastFrame());
        least = std::min(least, game().callsLastFrame());
    }
    // Per tick: the clock, the game minute, the player's mount, the timer. Per ped: exists, two
    // decorators, dead check, the damage time, and the health ratio (the dead check above still
    // holds: nothing damaged it since); once a second also the time written and the ground check.
    EXPECT_EQ(least, idle + 4 + 50 * 6);
    EXPECT_EQ(most, idle + 4 + 50 * 8);
    RecordProperty("natives_idle", static_cast<int>(idle));
    RecordProperty("natives_50_bleeding", static_cast<int>(least));
}

}  // namespace
