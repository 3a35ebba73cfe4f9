// The competitions manager as start-up made it, driven by the frame loop: when an offer may come,
// the stake, the settlement and the withdrawal. A whole competition is played by the scenario
// tests/scenarios/competition_whole.scn.
#include <gtest/gtest.h>

#include "competition_fixture.h"
#include "competitions/competition_variations.h"
#include "competitions/hunting_competitions_manager.h"
#include "competitions/specific_animal_processor.h"

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

// A special animal for every animal a competition can be about (the rarity-0 ones), so that one
// always fits; or only one for a panther (rarity 3), which no competition is ever about.
constexpr const char* kEveryGroundHasOne =
    "format_version=1\nvariations.count=8\n"
    "variations.0=a_c_buck_01,2,1.3,2\nvariations.1=a_c_boar_01,1,1.3,2\n"
    "variations.2=a_c_coyote_01,1,1.3,2\nvariations.3=a_c_duck_01,1,1.3,2\n"
    "variations.4=a_c_goosecanada_01,1,1.3,2\nvariations.5=a_c_pronghorn_01,1,1.3,2\n"
    "variations.6=a_c_rabbit_01,1,1.3,2\nvariations.7=a_c_bighornram_01,1,1.3,2\n";
constexpr const char* kOnlyAPanther =
    "format_version=1\nvariations.count=1\n"
    "variations.0=a_c_panther_01,1,1.3,2\n";
constexpr uint64_t kRandomFloat = 0xE29F927A961F8AAA;

class CompetitionKindTest : public CompetitionsManagerTest {
  protected:
    // The plug-in with that variations file and that chance (none: the key absent).
    void startWith(const char* variations, const char* chance) {
        writeDataFile("HuntingCompetitions.dat", variations);
        std::string meta = readDataFile("GeneralMeta.dat");
        const auto at = meta.find("hunting_competitions.specific_animal_chance=");
        if (at != std::string::npos) meta.erase(at, meta.find('\n', at) + 1 - at);
        if (chance)
            meta += std::string("hunting_competitions.specific_animal_chance=") + chance + "\n";
        writeDataFile("GeneralMeta.dat", meta);
        startCompetitions();
    }
    // Kinds of `count` competitions made in a row, and the float draws they made.
    struct Made {
        int specific = 0, mass = 0;
        size_t floatDraws = 0;
    };
    Made make(int count) {
        Made made;
        for (int i = 0; i < count; ++i) {
            game().clearRecorded();
            game().setRecording(true);
            auto competition = manager().createCompetition({});
            game().setRecording(false);
            made.floatDraws += game().recordedOf(kRandomFloat).size();
            EXPECT_TRUE(competition.processor) << log();
            if (!competition.processor) continue;
            const bf::CompetitionInfo& info = *competition.info;
            if (info.kind == bf::kCompetitionSpecificAnimal) {
                ++made.specific;
                EXPECT_NE(info.variation, nullptr);
                if (info.variation) {
                    EXPECT_EQ(info.variation->model, info.spawnLocation.model);
                }
                EXPECT_NE(dynamic_cast<bf::SpecificAnimalProcessor*>(competition.processor.get()),
                          nullptr);
            } else {
                ++made.mass;
                EXPECT_EQ(info.variation, nullptr);
            }
        }
        return made;
    }
};

TEST_F(CompetitionKindTest, AChanceOfZeroNeverMakesASpecificAnimalCompetitionNorDraws) {
    for (const char* chance : {"0", static_cast<const char*>(nullptr), "-0.5"}) {
        SCOPED_TRACE(chance ? chance : "absent");
        TearDown();
        SetUp();
        startWith(kEveryGroundHasOne, chance);
        const Made made = make(12);
        EXPECT_EQ(made.specific, 0);
        EXPECT_EQ(made.mass, 12);
        EXPECT_EQ(made.floatDraws, 0u) << "the seeds of every earlier run still hold";
    }
}

TEST_F(CompetitionKindTest, AChanceOfOneAlwaysMakesOneWhereAVariationFits) {
    startWith(kEveryGroundHasOne, "1");
    Made made = make(12);
    EXPECT_EQ(made.specific, 12);
    EXPECT_EQ(logCount("HuntingCompetitionsManager: the competition is about a special animal: "
                       "variation "),
              12);

    TearDown();
    SetUp();
    startWith(kOnlyAPanther, "1");
    made = make(12);
    EXPECT_EQ(made.mass, 12) << "no competition is about a panther";
    EXPECT_EQ(made.floatDraws, 0u) << "no variation fits: no draw";
}

TEST_F(CompetitionKindTest, AChanceInBetweenMakesSomeOfEach) {
    startWith(kEveryGroundHasOne, "0.5");
    const Made made = make(40);
    EXPECT_GT(made.specific, 5);
    EXPECT_GT(made.mass, 5);
    EXPECT_EQ(made.floatDraws, 40u) << "one draw a competition";
}

TEST_F(CompetitionKindTest, TheManagerSettlesASpecificAnimalCompetitionLikeAnyOther) {
    startWith(kEveryGroundHasOne, "1");
    ASSERT_TRUE(runUntilOffered()) << log();
    EXPECT_EQ(manager().info()->kind, bf::kCompetitionSpecificAnimal);
    manager().info()->bounty = 2599;
    const int64_t before = game().world().player.cashCents;
    manager().processor()->finish(bf::kOutcomePlayerWon);
    game().runFrame();
    EXPECT_EQ(manager().processor(), nullptr);
    EXPECT_EQ(game().world().player.cashCents - before, 2500);
}

}  // namespace
