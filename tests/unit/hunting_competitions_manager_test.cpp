// The competitions manager as start-up made it, driven by the frame loop: when an offer may come,
// the stake, the settlement, the withdrawal, and a whole competition.
#include <gtest/gtest.h>

#include "competition_fixture.h"
#include "competitions/hunting_competitions_manager.h"

namespace {

class CompetitionsManagerTest : public CompetitionTest {
  protected:
    bf::HuntingCompetitionsManager& manager() { return plugin().competitions(); }
    // Frames until the manager holds a competition (at most `ms` of game time).
    bool runUntilOffered(uint32_t ms = 3000) {
        const uint32_t end = game().timer() + ms;
        while (!manager().processor() && static_cast<int32_t>(game().timer() - end) < 0)
            game().runFrame();
        return manager().processor() != nullptr;
    }
    // Ends the competition held now; the next may be offered at once.
    void endCompetition(int32_t outcome) {
        manager().processor()->finish(outcome);
        game().runFrame();
        manager().postponeBy(0);
    }
};

TEST_F(CompetitionsManagerTest, TheStakeIsLimitedByCashAndTheSettingsAreClamped) {
    startCompetitions();
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
    };
    for (const Case& c : cases) {
        game().world().player.cashCents = c.cash;
        setSetting("HuntingCompetitions_StakeMultiplier", c.stake);
        setSetting("HuntingCompetitions_TimeCap", c.timeCap);
        draw = c.draw;
        auto competition = manager().createCompetition({});
        ASSERT_TRUE(competition.processor) << log();
        EXPECT_EQ(competition.info->bounty, c.bounty) << c.cash << " " << c.stake;
        EXPECT_EQ(competition.info->timeCapMinutes, c.minutes) << c.timeCap;
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
        ASSERT_TRUE(runUntilOffered()) << log();
        manager().info()->bounty = 2599;
        const int64_t before = game().world().player.cashCents;
        manager().processor()->finish(outcome);
        game().runFrame();
        EXPECT_EQ(manager().processor(), nullptr);
        EXPECT_EQ(game().world().player.cashCents - before, change) << outcome;
        EXPECT_EQ(manager().nextAttemptTime() - game().timer(), 900000u) << outcome;
        manager().postponeBy(0);
    }
    EXPECT_EQ(logCount("HuntingCompetitionsManager: competition finished - next competition will "
                       "be available in 15 minutes"),
              4);
}

TEST_F(CompetitionsManagerTest, NoOfferEarlyInATownDuringAMissionOrWhenThePlayerCannotAct) {
    startCompetitions();
    const uint32_t firstOffer = manager().nextAttemptTime();
    while (static_cast<int32_t>(firstOffer - game().timer()) > 33) {
        game().runFrame();
        ASSERT_EQ(manager().processor(), nullptr) << "not within 2 s of start-up";
    }
    EXPECT_TRUE(runUntilOffered(100));
    endCompetition(bf::kOutcomeAborted);

    const sim::Vec3 home = position(player());
    const std::function<void(bool)> blockers[] = {
        [this, home](bool on) {
            placePlayer(on ? sim::Vec3{-284.0f, 788.0f, 118.3f} : home);
        },
        [this](bool on) { answer(kMissionFlag, on); },
        [this](bool on) { answer(kIsPlayerPlaying, !on); },
    };
    for (const auto& block : blockers) {
        block(true);
        EXPECT_FALSE(runUntilOffered(3000));
        block(false);
        EXPECT_TRUE(runUntilOffered(33)) << "tried again on the next frame";
        endCompetition(bf::kOutcomeAborted);
    }
    EXPECT_EQ(logCount("HuntingCompetitionsManager: competition created. animal type: "), 4);
}

TEST_F(CompetitionsManagerTest, AnAreaChangeWithdrawsOnlyAnOfferLeftFarBehind) {
    startCompetitions();
    ASSERT_TRUE(runUntilOffered());
    const bf::Vector3 camp = manager().info()->startPoint;
    bf::MapAreaChangeData change;
    change.newArea = 0xF8D68DC1;

    placePlayer({camp.x + 790.0f, camp.y, camp.z});
    manager().onEvent(change);
    EXPECT_NE(manager().processor(), nullptr) << "within 800 m the offer stays";

    manager().info()->status = bf::kStatusUnderWay;
    placePlayer({camp.x + 2000.0f, camp.y, camp.z});
    manager().onEvent(change);
    EXPECT_NE(manager().processor(), nullptr) << "an accepted competition is never withdrawn";

    manager().info()->status = bf::kStatusOffered;
    manager().onEvent(change);
    EXPECT_EQ(manager().processor(), nullptr);
    EXPECT_EQ(manager().nextAttemptTime(), game().timer() + 20000u);
    EXPECT_EQ(logCount("HuntingCompetitionsManager: player has moved to a different map area "
                       "(-120156735), terminating pending competition."),
              1);
}

TEST_F(CompetitionsManagerTest, AWholeCompetitionFromOfferToStakeLeavesNothingBehind) {
    startCompetitions("HuntingCompetitions_TimeCap=5");
    const int64_t cashBefore = game().world().player.cashCents;
    const size_t blipsBefore = game().world().blips.all().size();
    const size_t promptsBefore = game().world().prompts.all().size();
    ASSERT_TRUE(runUntilOffered());
    bf::CompetitionInfo& info = *manager().info();
    const int32_t bounty = info.bounty;
    EXPECT_GE(bounty, 2000);
    EXPECT_LT(bounty, 3600);

    // At the camp: the rival waits; holding the prompt at him accepts.
    const bf::Vector3 camp = info.startPoint;
    placePlayer({camp.x + 20.0f, camp.y, camp.z});
    game().advance(1000);
    const int32_t rival = info.opponentPed;
    ASSERT_NE(rival, 0);
    const sim::Vec3 at = position(rival);
    placePlayer({at.x + 4.0f, at.y, at.z});
    game().world().player.target = rival;
    game().world().prompts.hold(sim::gameHash("INPUT_CONTEXT_X"));
    game().advance(1500);
    game().world().prompts.release();
    game().world().player.target = 0;
    EXPECT_EQ(info.status, bf::kStatusUnderWay);

    // Both reach the area: the clock starts.
    const bf::Vector3 centre = info.spawnLocation.position;
    placePlayer({centre.x + 10.0f, centre.y, 150.0f});
    entity(rival)->position = {centre.x - 10.0f, centre.y, 150.0f};
    game().advance(100);
    EXPECT_EQ(manager().processor()->state(), bf::kStateRunning);

    // Each takes a buck; the frame's damage events reach the scoring through the event pump.
    const int32_t mine = spawnAt("a_c_buck_01", {centre.x + 40.0f, centre.y, 150.0f});
    const int32_t theirs = spawnAt("a_c_buck_01", {centre.x - 40.0f, centre.y, 150.0f}, 0);
    game().advance(100);
    sim::damagePed(game(), *entity(mine), player(), sim::gameHash("WEAPON_RIFLE_SPRINGFIELD"),
                   0x384A, 0.0f, true);
    sim::damagePed(game(), *entity(theirs), rival, sim::gameHash("WEAPON_RIFLE_SPRINGFIELD"),
                   0x384A, 0.0f, true);
    game().advance(100);
    const int32_t playerScore = info.playerScore, rivalScore = info.opponentScore;
    EXPECT_GE(playerScore, 4);
    EXPECT_GE(rivalScore, 3);

    game().advance(5 * 60 * 1000);
    ASSERT_EQ(manager().processor(), nullptr);
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
