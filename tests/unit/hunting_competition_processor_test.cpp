// The competition processor's states and rules, the hunter camp, and what clean-up leaves behind.
#include <gtest/gtest.h>

#include "competition_fixture.h"
#include "competitions/hunter_camp.h"
#include "competitions/hunting_competition_processor.h"

namespace {

// A kind that only records what the common processor asks of it.
class ProbeProcessor : public bf::HuntingCompetitionProcessor {
  public:
    using HuntingCompetitionProcessor::HuntingCompetitionProcessor;
    void setState(int32_t state) { state_ = state; }
    std::vector<std::string> calls;

  protected:
    void runFrame(uint32_t /*now*/) override { calls.push_back("runFrame"); }
    void onAccepted() override { calls.push_back("onAccepted"); }
    void onStarted() override { calls.push_back("onStarted"); }
    void onTimeUp() override {
        calls.push_back("onTimeUp");
        finish(bf::kOutcomeDraw);
    }
};

class ProcessorTest : public CompetitionTest {
  protected:
    void SetUp() override {
        CompetitionTest::SetUp();
        startWithoutOffers();
        info_ = makeInfo();
        processor_ = make(*info_);
    }
    void TearDown() override {
        processor_.reset();
        info_.reset();
        CompetitionTest::TearDown();
    }
    std::unique_ptr<ProbeProcessor> make(bf::CompetitionInfo& info) {
        return std::make_unique<ProbeProcessor>(info, plugin().data(), plugin().tutorials());
    }
    // A rival standing at a point, as if the camp had made him.
    int32_t placeOpponent(sim::Vec3 at) {
        const int32_t ped = spawnAt("a_m_m_rancher_01", at);
        info_->opponentPed = ped;
        return ped;
    }
    // Frames with an update in each, for `ms` of game time.
    void run(uint32_t ms) {
        const uint32_t end = game().timer() + ms;
        while (static_cast<int32_t>(game().timer() - end) < 0) {
            game().runFrame();
            processor_->update();
        }
    }

    std::unique_ptr<bf::CompetitionInfo> info_;
    std::unique_ptr<ProbeProcessor> processor_;
};

TEST_F(ProcessorTest, OffFootIsWarnedOnceThenEndsTheCompetitionAfterTenSeconds) {
    placeOpponent({1600.0f, 439.0f, 90.0f});
    processor_->setState(bf::kStateRunning);
    placePlayer({1900.0f, 439.0f, 90.0f});  // in the area
    info_->startTime = game().timer();
    answer(kOnFoot, 0);
    run(9000);
    EXPECT_EQ(processor_->state(), bf::kStateRunning);
    EXPECT_TRUE(shown("Competitions are hunted on foot"));
    answer(kOnFoot, 1);
    run(100);
    answer(kOnFoot, 0);
    run(9000);
    EXPECT_EQ(processor_->state(), bf::kStateRunning) << "back on foot resets the ten seconds";
    run(1200);
    EXPECT_EQ(info_->outcome, bf::kOutcomeAborted);
    EXPECT_EQ(info_->status, bf::kStatusFinished);
    EXPECT_EQ(logCount("tutorial seen: hunting_competition.foot_only"), 1) << "warned once";
    EXPECT_EQ(logCount("HuntingCompetitionProcessor: player did not go on foot"), 1);
}

TEST_F(ProcessorTest, AMissionHoldsTheOfferAndTheFootRuleStillApplies) {
    answer(kMissionFlag, 1);
    run(33);
    EXPECT_EQ(processor_->state(), bf::kStateBlockedByMission);
    answer(kMissionFlag, 0);
    run(33);
    EXPECT_EQ(processor_->state(), bf::kStateOffered);
    EXPECT_EQ(logCount("HuntingCompetitionProcessor: mission flag ON - blocking"), 1);
    EXPECT_EQ(logCount("HuntingCompetitionProcessor: mission flag OFF - enabling"), 1);

    answer(kMissionFlag, 1);
    answer(kOnFoot, 0);
    run(10500);
    EXPECT_EQ(info_->outcome, bf::kOutcomeAborted) << "no rival yet, yet the rule holds";
    EXPECT_EQ(logCount("opponent was spooked or killed"), 0);
}

TEST_F(ProcessorTest, TheOfferBlipShowsAtOnceOnlyWithBlipTypeOne) {
    for (const char* type : {"2", "1"}) {
        setSetting("HuntingCompetitions_BlipType", type);
        auto info = makeInfo();
        auto processor = make(*info);
        processor->update();
        EXPECT_EQ(static_cast<bool>(info->offerBlip), std::string(type) == "1") << type;
        if (info->offerBlip) {
            const sim::Blip& blip = game().world().blips.all().at(info->offerBlip.get());
            EXPECT_EQ(blip.name, "Hunting Competition");
            EXPECT_EQ(blip.sprite, sim::gameHash("blip_region_hunting"));
        }
    }
}

TEST_F(ProcessorTest, TheLeavingWarningIsShownOnceAndReArmedBelow150Metres) {
    const sim::Vec3 at = position(player());
    const int32_t opponent = placeOpponent({at.x - 300.0f, at.y, at.z});
    processor_->setState(bf::kStateTravelling);
    const std::string warning = "You are leaving the hunting area";
    run(500);
    EXPECT_TRUE(shown(warning));
    game().world().screen.mark();
    run(500);
    entity(opponent)->position = {at.x - 200.0f, at.y, at.z};
    run(100);
    entity(opponent)->position = {at.x - 300.0f, at.y, at.z};
    run(100);
    EXPECT_FALSE(shown(warning)) << "shown once; not re-armed between 150 and 250 m";
    entity(opponent)->position = {at.x - 100.0f, at.y, at.z};
    run(100);
    entity(opponent)->position = {at.x - 260.0f, at.y, at.z};
    run(100);
    EXPECT_TRUE(shown(warning)) << "re-armed below 150 m";
    EXPECT_EQ(processor_->state(), bf::kStateTravelling);
    entity(opponent)->position = {at.x - 400.0f, at.y, at.z};
    run(33);
    EXPECT_EQ(info_->outcome, bf::kOutcomeAborted);
    EXPECT_EQ(logCount("player has left the area"), 1);
}

TEST_F(ProcessorTest, WhileTheHuntRunsTheLeavingRuleHoldsFromTheAreasCentre) {
    const bf::Vector3 centre = info_->spawnLocation.position;
    placeOpponent({centre.x, centre.y, 90.0f});
    processor_->setState(bf::kStateRunning);
    info_->startTime = game().timer();
    const std::string warning = "You are leaving the hunting area";
    placePlayer({centre.x + 260.0f, centre.y, centre.z});
    run(100);
    EXPECT_TRUE(shown(warning));
    EXPECT_EQ(processor_->state(), bf::kStateRunning);
    placePlayer({centre.x + 410.0f, centre.y, centre.z});
    run(1100);
    EXPECT_EQ(info_->outcome, bf::kOutcomeAborted);
    EXPECT_EQ(logCount("player has left the area"), 1);
}

TEST_F(ProcessorTest, TheClockStartsOnlyWhenBothAreInsideTheArea) {
    const bf::Vector3 centre = info_->spawnLocation.position;
    placePlayer({centre.x - 50.0f, centre.y, 200.0f});
    const int32_t opponent = placeOpponent({centre.x + 105.0f, centre.y, 90.0f});
    processor_->setState(bf::kStateTravelling);
    run(1000);
    EXPECT_EQ(processor_->state(), bf::kStateTravelling) << "the rival is still 105 m out";
    EXPECT_TRUE(processor_->calls.empty());
    entity(opponent)->position = {centre.x + 95.0f, centre.y, 90.0f};
    run(33);
    EXPECT_EQ(processor_->state(), bf::kStateRunning) << "heights do not count";
    EXPECT_EQ(processor_->calls, std::vector<std::string>{"onStarted"});
    EXPECT_EQ(info_->startTime, game().timer());
    EXPECT_EQ(info_->timeLeftSeconds, 600);
    EXPECT_EQ(logCount("HuntingCompetitionProcessor: competition started - opponents arrived at "
                       "area"),
              1);
}

TEST_F(ProcessorTest, AtTheTimeCapOnTimeUpRunsAndThenTheFrameStillRuns) {
    placeOpponent({1600.0f, 439.0f, 90.0f});
    processor_->setState(bf::kStateRunning);
    placePlayer({1900.0f, 439.0f, 90.0f});  // in the area
    info_->startTime = game().timer() - 599000;
    processor_->update();
    EXPECT_EQ(processor_->calls, std::vector<std::string>{"runFrame"});
    EXPECT_EQ(info_->timeLeftSeconds, 1);
    info_->startTime = game().timer() - 600000;
    processor_->calls.clear();
    processor_->update();
    EXPECT_EQ(processor_->calls, (std::vector<std::string>{"onTimeUp", "runFrame"}));
    EXPECT_EQ(info_->status, bf::kStatusFinished);
    EXPECT_EQ(logCount("HuntingCompetitionProcessor: time camp reached"), 1);
}

TEST_F(ProcessorTest, ANavmeshThatNeverLoadsEndsTheCompetitionAfterTenSeconds) {
    placeOpponent({1700.0f, 439.0f, 90.0f});
    processor_->setState(bf::kStateAccepted);
    answer(kNavmeshLoaded, 0);
    const uint32_t before = game().timer();
    processor_->update();
    const uint32_t waited = game().timer() - before;
    EXPECT_GE(waited, 10000u);
    EXPECT_LT(waited, 10100u);
    EXPECT_EQ(info_->outcome, bf::kOutcomeAborted);
    EXPECT_EQ(logCount("did not load within 10 seconds"), 1);
}

TEST_F(ProcessorTest, TheRivalIsSentToStopShortOfTheCentreAtHisOwnHeight) {
    const bf::Vector3 centre = info_->spawnLocation.position;
    placeOpponent({centre.x - 300.0f, centre.y + 400.0f, 150.0f});
    processor_->setState(bf::kStateAccepted);
    game().setRecording(true);
    processor_->update();
    EXPECT_EQ(processor_->state(), bf::kStateTravelling);
    const auto goTo = game().recordedOf(kGoToCoord);
    ASSERT_EQ(goTo.size(), 1u);
    const float x = f32(goTo[0].args[1]), y = f32(goTo[0].args[2]), z = f32(goTo[0].args[3]);
    EXPECT_NEAR(std::hypot(x - centre.x, y - centre.y), 65.0f, 0.01f);
    EXPECT_NEAR(x, centre.x - 39.0f, 0.01f);
    EXPECT_FLOAT_EQ(z, 150.0f);
    EXPECT_FLOAT_EQ(f32(goTo[0].args[4]), 1.25f);
    EXPECT_EQ(openSequences(), 0) << "the sequence id is given back";
    EXPECT_TRUE(shown("Ride to the hunting area."));
    EXPECT_TRUE(info_->areaBlip);
}

TEST_F(ProcessorTest, TheRivalDressesForTheWeather) {
    int32_t draws = 0;
    int32_t draw = 0;
    randomIntFor = [&](int32_t min, int32_t max) {
        if (min != 0 || max != 2) return -1;
        ++draws;
        return draw;
    };
    using Camp = bf::HunterCamp;
    EXPECT_STREQ(Camp::opponentModel(19.9f), Camp::kCoolModel);
    EXPECT_STREQ(Camp::opponentModel(30.1f), Camp::kWarmModel);
    EXPECT_EQ(draws, 0);
    draw = 1;
    EXPECT_STREQ(Camp::opponentModel(20.0f), Camp::kCoolModel);
    draw = 0;
    EXPECT_STREQ(Camp::opponentModel(30.0f), Camp::kWarmModel);
    EXPECT_EQ(draws, 2);
}

TEST_F(ProcessorTest, CampAcceptanceAndCleanUpLeaveNothingBehind) {
    int32_t loot = 200;
    randomIntFor = [&loot](int32_t min, int32_t max) {
        return min == 150 && max == 350 ? loot : -1;
    };
    const bf::Vector3 camp = info_->startPoint;
    placePlayer({camp.x + 30.0f, camp.y, camp.z});
    const size_t blipsBefore = game().world().blips.all().size();
    const int32_t promptHandle = info_->prompt->handle();

    processor_->update();
    ASSERT_EQ(processor_->state(), bf::kStateCampReady) << log();
    const int32_t opponent = info_->opponentPed;
    ASSERT_NE(opponent, 0);
    EXPECT_EQ(entity(opponent)->model, sim::gameHash(bf::HunterCamp::kCoolModel));
    EXPECT_EQ(intDecorator(opponent, "loot_money"), 200 + 2500) << "he carries the stake";
    EXPECT_EQ(entity(opponent)->relationshipGroup, sim::gameHash("VX_Brackenfold_Hunters"));
    EXPECT_GE(propSets().size(), 3u);
    EXPECT_TRUE(info_->offerBlip);
    const bf::UiPrompt& prompt = *info_->prompt;
    EXPECT_TRUE(prompt.visible());
    EXPECT_FALSE(prompt.enabled());
    EXPECT_EQ(prompt.group(), opponent);

    // Walk up to him, target him and hold the prompt.
    const sim::Vec3 at = position(opponent);
    placePlayer({at.x + 5.0f, at.y, at.z});
    game().world().player.target = opponent;
    game().world().prompts.hold(sim::gameHash("INPUT_CONTEXT_X"));
    for (int i = 0; i < 60 && processor_->state() == bf::kStateCampReady; ++i) {
        game().runFrame();
        processor_->update();
    }
    ASSERT_EQ(processor_->state(), bf::kStateAccepted);
    EXPECT_EQ(info_->status, bf::kStatusUnderWay);
    EXPECT_EQ(processor_->calls, std::vector<std::string>{"onAccepted"});
    EXPECT_FALSE(info_->offerBlip);
    EXPECT_TRUE(info_->opponentBlip);
    EXPECT_EQ(logCount("HuntingCompetitionProcessor: competition accepted. waiting for opponents "
                       "to get to area"),
              1);
    game().world().prompts.release();
    processor_->update();
    EXPECT_EQ(processor_->state(), bf::kStateTravelling);

    loot = 321;
    processor_->finish(bf::kOutcomePlayerWon);
    EXPECT_EQ(intDecorator(opponent, "loot_money"), 321) << "the stake left his purse";
    processor_->cleanup(false);
    EXPECT_EQ(game().world().blips.all().size(), blipsBefore);
    EXPECT_EQ(game().world().prompts.find(promptHandle), nullptr);
    for (const auto& [handle, state] : propSets())
        EXPECT_TRUE(state.released) << handle;
    EXPECT_FALSE(entity(opponent)->missionEntity);
    EXPECT_TRUE(entity(opponent)->released);
    EXPECT_EQ(entity(opponent)->relationshipGroup, sim::gameHash("REL_CIVMALE"));
    EXPECT_EQ(openSequences(), 0);
    EXPECT_EQ(logCount("HuntingCompetitionProcessor: performing cleanup"), 1);
}

// One rival per competition: a camp built again takes back the rival who waited at it; only when
// he is no longer fit is there a new one, and the old one keeps a wage, not the stake.
TEST_F(ProcessorTest, ACampBuiltAgainKeepsOneRivalWithTheStake) {
    const bf::Vector3 camp = info_->startPoint;
    auto loot = [&](int32_t ped) { return entity(ped)->decorators.at("loot_money").i; };
    placePlayer({camp.x + 30.0f, camp.y, camp.z});
    processor_->update();
    const int32_t first = info_->opponentPed;
    ASSERT_NE(first, 0);
    const size_t propSetsBuilt = propSets().size();
    EXPECT_TRUE(processor_->buildCamp());
    EXPECT_EQ(info_->opponentPed, first) << "a second build makes nothing";
    EXPECT_EQ(propSets().size(), propSetsBuilt);
    for (int walkAway = 0; walkAway < 2; ++walkAway) {
        placePlayer({camp.x + 460.0f, camp.y, camp.z});
        processor_->update();
        EXPECT_EQ(processor_->state(), bf::kStateOffered);
        EXPECT_EQ(info_->opponentPed, 0);
        placePlayer({camp.x + 30.0f, camp.y, camp.z});
        processor_->update();
        EXPECT_EQ(info_->opponentPed, first) << "he waited at the camp";
    }
    EXPECT_EQ(info_->createdPeds.size(), 1u);
    EXPECT_GE(loot(first), info_->bounty + 150);

    placePlayer({camp.x + 460.0f, camp.y, camp.z});
    processor_->update();
    entity(first)->dead = true;
    placePlayer({camp.x + 30.0f, camp.y, camp.z});
    processor_->update();
    ASSERT_NE(info_->opponentPed, 0);
    EXPECT_NE(info_->opponentPed, first);
    EXPECT_EQ(info_->createdPeds.size(), 1u) << "the old one is the game's again";
    EXPECT_LE(loot(first), 350);
    EXPECT_GE(loot(info_->opponentPed), info_->bounty + 150);
}

}  // namespace

namespace {

// A camp distance at or beyond the 450 m at which the camp is taken down would build and take it
// down frame after frame for a player between the two: it reads as the default, with a WARN.
TEST_F(ProcessorTest, ACampDistanceBeyondTheReleaseCannotMakeTheCampComeAndGo) {
    const bf::Vector3 camp = info_->startPoint;
    for (const char* distance : {"590", "inf", "nan", "1e30"}) {
        SCOPED_TRACE(distance);
        processor_.reset();
        info_ = makeInfo();
        plugin().data().generalMeta().setValue("hunting_competitions.camp_prepare_distance",
                                               distance);
        processor_ = make(*info_);
        placePlayer({camp.x + 584.0f, camp.y, camp.z});
        run(5000);
        EXPECT_EQ(processor_->state(), bf::kStateOffered);
        EXPECT_TRUE(info_->createdPeds.empty());
        EXPECT_TRUE(info_->createdPropSets.empty());
        EXPECT_EQ(logCount(std::string("WARN: GeneralMeta.dat: key "
                                       "hunting_competitions.camp_prepare_distance, value \"") +
                           distance + "\""),
                  1);
        placePlayer({camp.x + 310.0f, camp.y, camp.z});
        run(1000);
        EXPECT_EQ(processor_->state(), bf::kStateOffered) << "the default 300 m holds";
        placePlayer({camp.x + 290.0f, camp.y, camp.z});
        run(1000);
        EXPECT_EQ(processor_->state(), bf::kStateCampReady);
        processor_->cleanup(false);
    }
}

// A camp taken down leaves its rival in no list of the record: a ped the game removed may give
// its handle to another, which clean-up would then hand back.
TEST_F(ProcessorTest, ACampTakenDownKeepsNoHandleOfItsRivalInThePedList) {
    const bf::Vector3 camp = info_->startPoint;
    placePlayer({camp.x + 30.0f, camp.y, camp.z});
    processor_->update();
    const int32_t rival = info_->opponentPed;
    ASSERT_NE(rival, 0);
    placePlayer({camp.x + 460.0f, camp.y, camp.z});
    processor_->update();
    for (const bf::OwnedPed& ped : info_->createdPeds)
        EXPECT_NE(ped.get(), rival);
    // The game removes him while he waits; a rebuilt camp makes a new one and clean-up touches
    // nothing of the old.
    game().world().entities.remove(rival);
    placePlayer({camp.x + 30.0f, camp.y, camp.z});
    processor_->update();
    EXPECT_NE(info_->opponentPed, 0);
    EXPECT_EQ(info_->createdPeds.size(), 1u);
    processor_->cleanup(false);
    EXPECT_TRUE(info_->createdPeds.empty());
}

}  // namespace
