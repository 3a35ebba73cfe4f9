// Mass hunting: scoring by the rules, the rival's hunt, animals spawned into the area, the outcome.
#include <gtest/gtest.h>

#include "competition_fixture.h"
#include "competitions/hunt_task.h"
#include "competitions/hunter_moves.h"
#include "competitions/mass_hunting_competition_processor.h"
#include "core/decorators.h"
#include "data/dict_data_file.h"

namespace {

class OpenMassHunting : public bf::MassHuntingCompetitionProcessor {
  public:
    using MassHuntingCompetitionProcessor::MassHuntingCompetitionProcessor;
    using MassHuntingCompetitionProcessor::onStarted;
    using MassHuntingCompetitionProcessor::onTimeUp;
    using MassHuntingCompetitionProcessor::runFrame;
};

// Bait that draws wherever a test says, and the reach it was asked about.
class BaitStandIn : public bf::BaitPlaces {
  public:
    bool drawsAt(bf::Vector3, float reach) const override {
        askedReach = reach;
        return draws;
    }
    bool draws = false;
    mutable float askedReach = 0.0f;
};

class MassHuntingTest : public CompetitionTest {
  protected:
    void SetUp() override {
        CompetitionTest::SetUp();
        // The competition's tuning keys absent: the built-in defaults apply.
        writeDataFile("GeneralMeta.dat",
                      "animal_population.depletion_rate=0.85\n"
                      "animal_population.development_rate=1.1\nsave_freq_sec=120\n");
        startWithoutOffers();
        info_ = makeInfo();
        info_->opponentPed = spawnAt("a_m_m_rancher_01", {1900.0f, 439.0f, 90.0f});
        processor_ = make(*info_);
    }
    void TearDown() override {
        processor_.reset();
        info_.reset();
        CompetitionTest::TearDown();
    }
    std::unique_ptr<OpenMassHunting> make(bf::CompetitionInfo& info) {
        return std::make_unique<OpenMassHunting>(info, plugin().data(), plugin().tutorials(),
                                                 bait_);
    }
    int32_t buck(int32_t quality = 1) {
        const int32_t ped = spawnAt("a_c_buck_01", {1700.0f, 439.0f, 90.0f}, quality);
        game().runFrame();  // the plug-in sizes it; the tests set the scale themselves
        entity(ped)->decorators[bf::kDecorScale] = {sim::DecoratorType::Float, 0, 1.0f};
        return ped;
    }

    BaitStandIn bait_;
    std::unique_ptr<bf::CompetitionInfo> info_;
    std::unique_ptr<OpenMassHunting> processor_;
};

TEST_F(MassHuntingTest, PointsByQualitySizeShotMannerAndDeadEye) {
    struct Case {
        const char* what;
        int32_t quality;
        bool dead, writhing, head, bait, xlarge, deadEye, byOpponent;
        int32_t points;
    };
    const Case cases[] = {
        {"plain kill, grade 1", 1, true, false, false, false, false, false, false, 4},
        {"every bonus", 1, false, true, true, true, true, false, false, 8},
        {"grade 2, dead eye halves", 2, true, false, false, false, false, true, false, 2},
        {"the rival's head shot", 0, true, false, true, false, false, false, true, 4},
        {"the rival in dead eye is not the player", 0, true, false, false, false, false, true, true,
         3},
    };
    int32_t expectedPlayer = 0, expectedOpponent = 0;
    for (const Case& c : cases) {
        const int32_t ped = buck(c.quality);
        sim::Entity& e = *entity(ped);
        e.dead = c.dead;
        e.condition.writhing = c.writhing;
        e.condition.lastDamagedBone = c.head ? 21030 : 0x384A;
        if (c.xlarge) e.decorators[bf::kDecorScale].f = 1.16f;
        bait_.draws = c.bait;
        answer(kDeadEye, c.deadEye);
        processor_->scoreDamage(ped, c.byOpponent ? info_->opponentPed : player(), 0);
        (c.byOpponent ? expectedOpponent : expectedPlayer) += c.points;
        EXPECT_EQ(info_->playerScore, expectedPlayer) << c.what;
        EXPECT_EQ(info_->opponentScore, expectedOpponent) << c.what;
        EXPECT_EQ(intDecorator(ped, bf::kDecorCompetitionAnimalHandled), 1) << c.what;
    }
    EXPECT_EQ(bait_.askedReach, 70.0f) << "the built-in reach";
    EXPECT_EQ(logCount("player scored: 4"), 1);
    EXPECT_EQ(logCount("opponent scored: 3"), 1);
    game().runFrame();
    EXPECT_TRUE(shown("Rival +3"));
}

// The game tells no baited animal from another: the bonus follows the plug-in's own record of
// the bait the player put down, within its reach and while it still draws.
TEST_F(MassHuntingTest, OnlyAnAnimalHitNearBaitThatStillDrawsEarnsTheBaitBonus) {
    auto baited = std::make_unique<OpenMassHunting>(*info_, plugin().data(), plugin().tutorials(),
                                                    plugin().bait());
    bf::runtime().settings["BaitPlips"] = "0";  // the record is kept without blips too
    const sim::Vec3 spot = position(player());
    game().world().player.scenario = sim::gameHash("WORLD_PLAYER_PLACE_BAIT_NORMAL");
    game().runFrames(30);
    game().world().player.scenario = 0;
    game().runFrames(2);
    struct Case {
        const char* what;
        float east;
        bool waitsOutTheBait;
        int32_t points;
    };
    const Case cases[] = {
        {"a herbivore nobody baited", 300.0f, false, 4},
        {"a buck by the bait", 30.0f, false, 5},
        {"just beyond its reach", 71.0f, false, 4},
        {"by bait that no longer draws", 30.0f, true, 4},
    };
    int32_t expected = 0;
    for (const Case& c : cases) {
        const int32_t ped = buck();
        if (c.waitsOutTheBait) game().advance(70000);  // over 2000 game seconds
        entity(ped)->position = {spot.x + c.east, spot.y, spot.z};
        entity(ped)->dead = true;
        baited->scoreDamage(ped, player(), 0);
        expected += c.points;
        EXPECT_EQ(info_->playerScore, expected) << c.what;
    }
}

TEST_F(MassHuntingTest, AOnePointAnimalInDeadEyeScoresNothingAndAnAnimalScoresOnce) {
    plugin().data().generalMeta().setValue("hunting_competitions.base_score", "2");
    answer(kDeadEye, 1);
    const int32_t ped = buck(0);
    entity(ped)->dead = true;
    processor_->scoreDamage(ped, player(), 0);
    EXPECT_EQ(info_->playerScore, 0);
    EXPECT_EQ(logCount("player scored: 0"), 1);

    answer(kDeadEye, 0);
    const int32_t other = buck(2);
    processor_->scoreDamage(other, player(), 0);
    processor_->scoreDamage(other, player(), 0);
    processor_->scoreDamage(other, info_->opponentPed, 0);
    EXPECT_EQ(info_->playerScore, 2) << "a live hit scores, and only once";
    EXPECT_EQ(info_->opponentScore, 0);

    const int32_t deer = spawnAt("a_c_deer_01", {1700.0f, 439.0f, 90.0f});
    processor_->scoreDamage(deer, player(), 0);
    const int32_t stranger = spawnAt("a_m_m_rancher_01", {1700.0f, 450.0f, 90.0f});
    processor_->scoreDamage(buck(), stranger, 0);
    EXPECT_EQ(info_->playerScore + info_->opponentScore, 2)
        << "neither a live animal of another kind nor a third party's hit";
}

// The second rule (dead and writhing) is for game animals: even a game that reads both true for
// them must not let a passer-by, a horse or a dog score.
TEST_F(MassHuntingTest, APersonAHorseOrADomesticAnimalNeverScores) {
    game().natives().override(0xDEB6D52126E7D640, [](sim::NativeCall& c) { c.retU32(1); });
    for (const char* model :
         {"a_m_m_rancher_01", "a_c_horse_morgan_bay", "a_c_dogcatahoulacur_01"}) {
        const int32_t ped = spawnAt(model, {1700.0f, 445.0f, 90.0f});
        entity(ped)->dead = true;
        processor_->scoreDamage(ped, player(), 0);
        EXPECT_EQ(info_->playerScore, 0) << model;
    }
    const int32_t deer = spawnAt("a_c_deer_01", {1700.0f, 439.0f, 90.0f});
    entity(deer)->dead = true;
    processor_->scoreDamage(deer, player(), 0);
    EXPECT_GT(info_->playerScore, 0) << "a game animal of another kind, dead and writhing";
}

TEST_F(MassHuntingTest, DamageEventsOfTheFrameAreScoredOnlyWhileHunting) {
    const int32_t early = buck();
    processor_->onEntityDamaged({early, player(), 0});
    processor_->runFrame(game().timer());
    EXPECT_EQ(info_->playerScore, 0) << "before the start";
    processor_->onStarted();
    EXPECT_TRUE(shown("Hunt Bucks in the area and outscore your rival."));
    processor_->onEntityDamaged({early, player(), 0});
    processor_->runFrame(game().timer());
    EXPECT_EQ(info_->playerScore, 4);
    processor_->runFrame(game().timer());
    EXPECT_EQ(info_->playerScore, 4) << "a frame's events are scored in that frame only";
}

TEST_F(MassHuntingTest, AnimalsComeThirtySecondsInThenEveryThirtyToFortyFive) {
    randomIntFor = [](int32_t min, int32_t max) { return min == 0 && max == 4 ? 2 : -1; };
    processor_->onStarted();
    const uint32_t start = game().timer();
    EXPECT_EQ(processor_->nextSpawnTime(), static_cast<int32_t>(start + 30000));
    game().advance(29000);
    processor_->runFrame(game().timer());
    EXPECT_EQ(info_->createdPeds.size(), 0u);

    game().advance(1100);
    processor_->runFrame(game().timer());
    ASSERT_EQ(info_->createdPeds.size(), 1u) << "a point round the area's centre " << log();
    const int32_t animal = info_->createdPeds.back().get();
    EXPECT_EQ(entity(animal)->model, sim::gameHash("a_c_buck_01"));
    const sim::Vec3 at = position(animal);
    EXPECT_NEAR(std::hypot(at.x - 1921.5f, at.y - 439.0f), 150.0f, 0.5f);
    const int32_t wait = processor_->nextSpawnTime() - static_cast<int32_t>(game().timer());
    EXPECT_GE(wait, 30000);
    EXPECT_LT(wait, 45000);

    answer(kPlaceOnGround, 0);
    game().advance(static_cast<uint32_t>(wait) + 100);
    processor_->runFrame(game().timer());
    EXPECT_EQ(info_->createdPeds.size(), 1u);
    EXPECT_EQ(processor_->nextSpawnTime(), static_cast<int32_t>(game().timer() + 10000));
}

TEST_F(MassHuntingTest, TheHigherScoreWinsAndEqualScoresDraw) {
    const std::tuple<int32_t, int32_t, int32_t> cases[] = {
        {5, 4, bf::kOutcomePlayerWon}, {4, 5, bf::kOutcomePlayerLost}, {3, 3, bf::kOutcomeDraw}};
    for (const auto& [mine, theirs, outcome] : cases) {
        auto info = makeInfo();
        auto processor = make(*info);
        info->playerScore = mine;
        info->opponentScore = theirs;
        processor->onTimeUp();
        EXPECT_EQ(info->outcome, outcome);
    }
    EXPECT_EQ(logCount("MassHuntingCompetitionProcessor: player score: 5. opponent score: 4"), 1);
}

class HuntTaskTest : public CompetitionTest {
  protected:
    void SetUp() override {
        CompetitionTest::SetUp();
        startWithoutOffers();
        hunter_ = spawnAt("a_m_m_rancher_01", {1600.0f, 439.0f, 90.0f});
        animal_ = spawnAt("a_c_buck_01", {1630.0f, 439.0f, 90.0f});
        task_ = std::make_unique<bf::HuntTask>(
            hunter_, bf::HuntTask::Quarry::anyOf(sim::gameHash("a_c_buck_01")),
            bf::Vector3{1650.0f, 439.0f, 0.0f}, 50.0f, 150.0f);
        lineOfSight = [this](int32_t, int32_t) { return sees_; };
    }
    // Ticks through roam, search and spot to the confirmation.
    void spotTheAnimal() {
        task_->tick();
        EXPECT_EQ(task_->state(), bf::HuntTask::kSearch);
        task_->tick();
        EXPECT_EQ(task_->state(), bf::HuntTask::kSpot);
        task_->tick();
        EXPECT_EQ(task_->state(), bf::HuntTask::kSpot) << "asleep for a second";
        game().advance(1000);
        task_->tick();
        ASSERT_EQ(task_->state(), bf::HuntTask::kConfirm);
        EXPECT_EQ(task_->target(), animal_);
    }

    int32_t hunter_ = 0, animal_ = 0;
    int32_t sees_ = 1;
    std::unique_ptr<bf::HuntTask> task_;
};

TEST_F(HuntTaskTest, ASkilledHunterAimsShorterAndStalksCloser) {
    using Task = bf::HuntTask;
    EXPECT_EQ(bf::stalkAimDurationMs(1.0f), 3000);
    EXPECT_EQ(bf::stalkAimDurationMs(0.0f), 10000);
    EXPECT_EQ(bf::stalkAimDurationMs(0.5f), 5000);
    EXPECT_EQ(bf::stalkAimDurationMs(0.9f), 3000);
    EXPECT_FLOAT_EQ(bf::stalkApproachDistance(50.0f, 1.0f, 20.0f), 30.0f);
    EXPECT_FLOAT_EQ(bf::stalkApproachDistance(50.0f, 0.0f, 100.0f), 50.0f * 2.0f / 3.0f);
    EXPECT_FLOAT_EQ(bf::stalkApproachDistance(50.0f, 0.5f, 20.0f), 25.0f);

    for (const auto& [accuracy, aimMs] : {std::pair{100, 3000}, std::pair{0, 10000}}) {
        answer(kAccuracy, static_cast<uint64_t>(accuracy));
        task_ = std::make_unique<Task>(hunter_, Task::Quarry::anyOf(sim::gameHash("a_c_buck_01")),
                                       bf::Vector3{1650.0f, 439.0f, 0.0f}, 50.0f, 150.0f);
        spotTheAnimal();
        game().advance(4000);
        task_->tick();
        ASSERT_EQ(task_->state(), Task::kStalkAndShoot);
        game().clearRecorded();
        game().setRecording(true);
        task_->tick();
        game().setRecording(false);
        EXPECT_EQ(task_->state(), Task::kShooting);
        const auto aim = game().recordedOf(kAim);
        ASSERT_EQ(aim.size(), 1u);
        EXPECT_EQ(aim[0].args[1], static_cast<uint32_t>(animal_));
        EXPECT_EQ(aim[0].args[2], static_cast<uint64_t>(aimMs)) << accuracy;
        const auto shoot = game().recordedOf(kShoot);
        ASSERT_EQ(shoot.size(), 1u);
        EXPECT_EQ(shoot[0].args[2], 7000u) << "a rifle outside the long-aim classes";
        EXPECT_EQ(shoot[0].args[3], 0xC6EE6B4Cu);
    }
    EXPECT_EQ(openSequences(), 0);
}

TEST_F(HuntTaskTest, AnAnimalLostDuringConfirmationIsDroppedAndHeRoamsAgain) {
    spotTheAnimal();
    sees_ = 0;
    game().advance(3900);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kConfirm) << "waits the full 4 seconds";
    game().advance(200);
    task_->tick();
    EXPECT_EQ(task_->target(), 0);
    EXPECT_EQ(task_->state(), bf::HuntTask::kRoam);
    game().clearRecorded();
    game().setRecording(true);
    task_->tick();
    EXPECT_EQ(game().recordedOf(kWander).size(), 1u);
}

// The game answers 2 while the hunter is not sure yet: only 1 is seen, when spotting and when
// confirming.
TEST_F(HuntTaskTest, NotSureYetIsNotSeen) {
    const int32_t unsure = spawnAt("a_c_buck_01", {1625.0f, 439.0f, 90.0f});
    lineOfSight = [&](int32_t, int32_t animal) { return animal == animal_ ? sees_ : 2; };
    sees_ = 2;
    task_->tick();
    task_->tick();
    game().advance(1000);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kSpot) << "sure of neither buck";
    sees_ = 1;
    task_->tick();
    ASSERT_EQ(task_->state(), bf::HuntTask::kConfirm);
    EXPECT_EQ(task_->target(), animal_) << "the one he sees, not " << unsure;
    sees_ = 2;
    game().advance(4100);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kRoam);
}

// The freeze: a wounded animal that runs, his sequence over and the animal alive in sight. He
// stalks it again a few times, then lets it go; nor does one target hold him past the bound.
TEST_F(HuntTaskTest, ALiveTargetInSightIsShotAgainThenDroppedWithinTheBounds) {
    using Task = bf::HuntTask;
    spotTheAnimal();
    game().advance(4000);
    task_->tick();
    answer(kSequenceProgress, static_cast<uint32_t>(-1));
    for (int attempt = 1; attempt <= Task::kMaxShootingTries; ++attempt) {
        ASSERT_EQ(task_->state(), Task::kStalkAndShoot) << attempt;
        task_->tick();
        ASSERT_EQ(task_->state(), Task::kShooting);
        game().advance(2100);
        task_->tick();
    }
    EXPECT_EQ(task_->state(), Task::kRest) << "three sequences and it still runs";
    EXPECT_EQ(task_->target(), 0);
    ASSERT_EQ(game().world().speech.size(), 1u);
    EXPECT_EQ(game().world().speech[0].line, "GENERIC_CURSE_MED");

    game().advance(Task::kRestMs + 100);
    task_->tick();
    spotTheAnimal();
    game().advance(4000);
    task_->tick();
    task_->tick();
    answer(kSequenceProgress, 2);  // a stalk that never ends
    game().advance(Task::kMaxShootingMs - 1000);
    task_->tick();
    EXPECT_EQ(task_->state(), Task::kShooting);
    game().advance(1100);
    task_->tick();
    EXPECT_EQ(task_->state(), Task::kRest);
}

TEST_F(HuntTaskTest, AfterAKillHeRestsAndHuntsAgain) {
    using Task = bf::HuntTask;
    spotTheAnimal();
    game().advance(4000);
    task_->tick();
    task_->tick();
    sim::markDead(*entity(animal_), game().timer());
    answer(kSequenceProgress, static_cast<uint32_t>(-1));
    game().advance(2100);
    task_->tick();
    EXPECT_EQ(task_->state(), Task::kRest);
    EXPECT_TRUE(game().world().speech.empty()) << "no curse for a kill";
    game().advance(Task::kRestMs + 100);
    task_->tick();
    EXPECT_EQ(task_->state(), Task::kRoam);
}

}  // namespace
