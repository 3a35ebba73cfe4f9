// The competitions manager: when an offer may come, the stake, the settlement and the withdrawal.
#include <gtest/gtest.h>

#include "animals/animal_events_handler.h"
#include "competition_fixture.h"
#include "competitions/hunting_competitions_manager.h"

namespace {

class CompetitionsManagerTest : public CompetitionTest {
  protected:
    std::unique_ptr<bf::HuntingCompetitionsManager> makeManager() {
        return std::make_unique<bf::HuntingCompetitionsManager>(*bf::context().spawnLocations,
                                                                *bf::context().mapDistricts);
    }
    // Frames with the manager's update in each, for `ms` of game time.
    void run(bf::HuntingCompetitionsManager& manager, uint32_t ms) {
        const uint32_t end = game().timer() + ms;
        while (static_cast<int32_t>(game().timer() - end) < 0) {
            game().runFrame();
            manager.update();
        }
    }
};

TEST_F(CompetitionsManagerTest, TheStakeIsLimitedByCashAndTheSettingsAreClamped) {
    startCompetitions();
    auto manager = makeManager();
    int32_t draw = 25;
    randomIntFor = [&draw](int32_t min, int32_t max) { return min == 20 && max == 36 ? draw : -1; };
    struct Case {
        int64_t cash;
        const char* stake;
        const char* timeCap;
        int32_t draw;
        int32_t bounty;
        int32_t minutes;
    };
    const Case cases[] = {
        {100000, "1", "10", 25, 2500, 10}, {1234, "1", "3", 25, 1234, 5},
        {0, "1", "45", 25, 0, 30},         {1000000, "150", "30", 20, 200000, 30},
        {100000, "-2", "5", 35, 0, 5},     {100000, "1.5", "7", 21, 3150, 7},
        {2599, "1", "31", 26, 2599, 30},
    };
    for (const Case& c : cases) {
        game().world().player.cashCents = c.cash;
        setSetting("HuntingCompetitions_StakeMultiplier", c.stake);
        setSetting("HuntingCompetitions_TimeCap", c.timeCap);
        draw = c.draw;
        auto competition = manager->createCompetition({});
        ASSERT_TRUE(competition.processor) << log();
        EXPECT_EQ(competition.info->bounty, c.bounty) << c.cash << " " << c.stake;
        EXPECT_EQ(competition.info->timeCapMinutes, c.minutes) << c.timeCap;
        EXPECT_EQ(competition.info->kind, bf::kCompetitionMassHunting);
        // The camp spot lies within 100 m of the hunting ground, measured on the map.
        const bf::Vector3 a = competition.info->startPoint;
        const bf::Vector3 b = competition.info->spawnLocation.position;
        EXPECT_LE(std::hypot(a.x - b.x, a.y - b.y), 100.0f);
        EXPECT_EQ(competition.info->animalType,
                  sim::gameHash(competition.info->spawnLocation.model));
    }
}

TEST_F(CompetitionsManagerTest, SettlementMovesWholeDollarsOnlyForAWinOrALoss) {
    startCompetitions();
    const std::pair<int32_t, int64_t> outcomes[] = {{bf::kOutcomePlayerWon, 2500},
                                                    {bf::kOutcomePlayerLost, -2500},
                                                    {bf::kOutcomeDraw, 0},
                                                    {bf::kOutcomeAborted, 0}};
    for (const auto& [outcome, change] : outcomes) {
        auto manager = makeManager();
        run(*manager, 2100);
        ASSERT_NE(manager->processor(), nullptr) << log();
        manager->info()->bounty = 2599;
        const int64_t before = game().world().player.cashCents;
        manager->processor()->finish(outcome);
        game().runFrame();
        manager->update();
        EXPECT_EQ(manager->processor(), nullptr);
        EXPECT_EQ(game().world().player.cashCents - before, change) << outcome;
        EXPECT_EQ(manager->nextAttemptTime(), game().timer() + 900000u) << outcome;
    }
    EXPECT_EQ(logCount("HuntingCompetitionsManager: competition finished - next competition will "
                       "be available in 15 minutes"),
              4);
}

TEST_F(CompetitionsManagerTest, NoOfferEarlyInATownDuringAMissionOrWhenThePlayerCannotAct) {
    startCompetitions();
    {
        auto manager = makeManager();
        run(*manager, 1900);
        EXPECT_EQ(manager->processor(), nullptr) << "not within 2 s of start-up";
        run(*manager, 200);
        EXPECT_NE(manager->processor(), nullptr);
    }
    const sim::Vec3 home = position(player());
    const std::function<void(bool)> blockers[] = {
        [this, home](bool on) {
            placePlayer(on ? sim::Vec3{-284.0f, 788.0f, 118.3f} : home);
        },
        [this](bool on) { answer(kMissionFlag, on); },
        [this](bool on) { answer(kIsPlayerPlaying, !on); },
    };
    for (const auto& block : blockers) {
        auto manager = makeManager();
        block(true);
        run(*manager, 3000);
        EXPECT_EQ(manager->processor(), nullptr);
        block(false);
        run(*manager, 33);
        EXPECT_NE(manager->processor(), nullptr) << "tried again on the next frame";
    }
    EXPECT_EQ(logCount("HuntingCompetitionsManager: competition created. animal type: "), 4);
}

TEST_F(CompetitionsManagerTest, AnAreaChangeWithdrawsOnlyAnOfferLeftFarBehind) {
    startCompetitions();
    auto manager = makeManager();
    run(*manager, 2100);
    ASSERT_NE(manager->processor(), nullptr);
    const bf::Vector3 camp = manager->info()->startPoint;
    bf::MapAreaChangeData change;
    change.newArea = 0xF8D68DC1;

    placePlayer({camp.x + 790.0f, camp.y, camp.z});
    manager->onEvent(&change);
    EXPECT_NE(manager->processor(), nullptr) << "within 800 m the offer stays";

    manager->info()->status = bf::kStatusUnderWay;
    placePlayer({camp.x + 2000.0f, camp.y, camp.z});
    manager->onEvent(&change);
    EXPECT_NE(manager->processor(), nullptr) << "an accepted competition is never withdrawn";

    manager->info()->status = bf::kStatusOffered;
    manager->onEvent(&change);
    EXPECT_EQ(manager->processor(), nullptr);
    EXPECT_EQ(manager->nextAttemptTime(), game().timer() + 20000u);
    EXPECT_EQ(logCount("HuntingCompetitionsManager: player has moved to a different map area "
                       "(-120156735), terminating pending competition."),
              1);
}

}  // namespace

namespace {

TEST_F(CompetitionsManagerTest, AWholeCompetitionFromOfferToStakeLeavesNothingBehind) {
    startCompetitions("HuntingCompetitions_TimeCap=5");
    auto manager = makeManager();
    bf::context().animalEvents->addDamageListener(manager.get());
    const int64_t cashBefore = game().world().player.cashCents;
    const size_t blipsBefore = game().world().blips.all().size();
    const size_t promptsBefore = game().world().prompts.all().size();
    run(*manager, 2100);
    ASSERT_NE(manager->processor(), nullptr);
    bf::CompetitionInfo& info = *manager->info();
    const int32_t bounty = info.bounty;
    EXPECT_GE(bounty, 2000);
    EXPECT_LT(bounty, 3600);

    // At the camp: the rival waits; holding the prompt at him accepts.
    const bf::Vector3 camp = info.startPoint;
    placePlayer({camp.x + 20.0f, camp.y, camp.z});
    run(*manager, 1000);
    const int32_t rival = info.opponentPed;
    ASSERT_NE(rival, 0);
    const sim::Vec3 at = position(rival);
    placePlayer({at.x + 4.0f, at.y, at.z});
    game().world().player.target = rival;
    game().world().prompts.hold(sim::gameHash("INPUT_CONTEXT_X"));
    run(*manager, 1500);
    game().world().prompts.release();
    game().world().player.target = 0;
    EXPECT_EQ(info.status, bf::kStatusUnderWay);

    // Both reach the area: the clock starts.
    const bf::Vector3 centre = info.spawnLocation.position;
    placePlayer({centre.x + 10.0f, centre.y, 150.0f});
    entity(rival)->position = {centre.x - 10.0f, centre.y, 150.0f};
    run(*manager, 100);
    EXPECT_EQ(manager->processor()->state(), bf::kStateRunning);

    // Each takes a buck; the frame's damage events reach the scoring through the event pump.
    const int32_t mine = spawnAt("a_c_buck_01", {centre.x + 40.0f, centre.y, 150.0f});
    const int32_t theirs = spawnAt("a_c_buck_01", {centre.x - 40.0f, centre.y, 150.0f}, 0);
    run(*manager, 100);
    sim::damagePed(game(), *entity(mine), player(), sim::gameHash("WEAPON_RIFLE_SPRINGFIELD"),
                   0x384A, 0.0f, true);
    sim::damagePed(game(), *entity(theirs), rival, sim::gameHash("WEAPON_RIFLE_SPRINGFIELD"),
                   0x384A, 0.0f, true);
    run(*manager, 100);
    const int32_t playerScore = info.playerScore, rivalScore = info.opponentScore;
    EXPECT_GE(playerScore, 4);
    EXPECT_GE(rivalScore, 3);

    run(*manager, 5 * 60 * 1000);
    ASSERT_EQ(manager->processor(), nullptr);
    const int64_t stake = bounty / 100 * 100;
    const int64_t expected = playerScore > rivalScore   ? stake
                             : playerScore < rivalScore ? -stake
                                                        : 0;
    EXPECT_EQ(game().world().player.cashCents - cashBefore, expected);
    EXPECT_EQ(game().world().blips.all().size(), blipsBefore);
    EXPECT_EQ(game().world().prompts.all().size(), promptsBefore);
    for (const auto& [handle, state] : propSets())
        EXPECT_TRUE(state.released);
    EXPECT_EQ(openSequences(), 0);
    EXPECT_GT(sequencesOpened(), 1) << "the rival was sent and hunted";
    for (const auto& [handle, e] : game().world().entities.all())
        EXPECT_FALSE(e.missionEntity && handle != player()) << "still held: " << handle;
    EXPECT_EQ(logCount("HuntingCompetitionProcessor: performing cleanup"), 1);
}

}  // namespace
