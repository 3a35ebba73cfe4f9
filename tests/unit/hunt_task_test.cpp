// The rival's hunt for one animal: roaming in half stealth, spotting, confirming and stalking it,
// the short sleep after the shooting sequence, the curse when he loses it, and the end once it
// lies dead (or is gone).
#include <gtest/gtest.h>

#include "competition_fixture.h"
#include "competitions/hunt_task.h"

namespace {

class SpecificHuntTaskTest : public CompetitionTest {
  protected:
    static constexpr uint64_t kStealth = 0x437C08DB4FEBE2BD;

    void SetUp() override {
        CompetitionTest::SetUp();
        startWithoutOffers();
        hunter_ = spawnAt("a_m_m_rancher_01", {1600.0f, 439.0f, 90.0f});
        animal_ = spawnAt("a_c_buck_01", {1630.0f, 439.0f, 90.0f});
        task_ = std::make_unique<bf::HuntTask>(hunter_, bf::HuntTask::Quarry::one(animal_),
                                               bf::Vector3{1650.0f, 439.0f, 0.0f}, 60.0f, 120.0f);
        lineOfSight = [this](int32_t, int32_t) { return sees_; };
    }
    // The stealth amounts set on the hunter while recording.
    std::vector<float> stealthSet() {
        std::vector<float> amounts;
        for (const auto& call : game().recordedOf(kStealth))
            amounts.push_back(f32(call.args[2]));
        return amounts;
    }
    // Ticks from roaming to the confirmation of the animal.
    void spotTheAnimal() {
        task_->tick();
        ASSERT_EQ(task_->state(), bf::HuntTask::kSearch);
        task_->tick();
        ASSERT_EQ(task_->state(), bf::HuntTask::kSpot);
        task_->tick();
        ASSERT_EQ(task_->state(), bf::HuntTask::kSpot) << "asleep for a second";
        game().advance(1000);
        task_->tick();
        ASSERT_EQ(task_->state(), bf::HuntTask::kConfirm);
    }
    void toShooting() {
        spotTheAnimal();
        game().advance(4000);
        task_->tick();
        ASSERT_EQ(task_->state(), bf::HuntTask::kStalkAndShoot);
        task_->tick();
        ASSERT_EQ(task_->state(), bf::HuntTask::kShooting);
    }

    int32_t hunter_ = 0, animal_ = 0;
    bool sees_ = true;
    std::unique_ptr<bf::HuntTask> task_;
};

TEST_F(SpecificHuntTaskTest, HeRoamsInHalfStealthThenStalksInFullStealthAndShoots) {
    game().setRecording(true);
    task_->tick();
    EXPECT_EQ(stealthSet(), std::vector<float>{0.5f});
    const auto roam = game().recordedOf(kWander);
    ASSERT_EQ(roam.size(), 1u);
    EXPECT_FLOAT_EQ(f32(roam[0].args[1]), 1650.0f);
    EXPECT_FLOAT_EQ(f32(roam[0].args[4]), 120.0f);
    game().clearRecorded();

    task_->tick();
    game().advance(1000);
    task_->tick();
    ASSERT_EQ(task_->state(), bf::HuntTask::kConfirm);
    const auto turn = game().recordedOf(kTurnTo);
    ASSERT_EQ(turn.size(), 1u);
    EXPECT_EQ(turn[0].args[1], static_cast<uint32_t>(animal_));

    game().advance(4000);
    task_->tick();
    ASSERT_EQ(task_->state(), bf::HuntTask::kStalkAndShoot);
    game().clearRecorded();
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kShooting);
    EXPECT_EQ(stealthSet(), std::vector<float>{1.0f});
    const auto shoot = game().recordedOf(kShoot);
    ASSERT_EQ(shoot.size(), 1u);
    EXPECT_EQ(shoot[0].args[1], static_cast<uint32_t>(animal_));
    EXPECT_EQ(shoot[0].args[3], 0xC6EE6B4Cu);
    game().setRecording(false);
    EXPECT_EQ(openSequences(), 0);
}

TEST_F(SpecificHuntTaskTest, HeSleepsHalfASecondAfterTheShootingSequenceThenCursesALostAnimal) {
    toShooting();
    sees_ = false;
    game().advance(400);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kShooting) << "still asleep";
    EXPECT_TRUE(game().world().speech.empty());
    game().advance(150);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kRest);
    ASSERT_EQ(game().world().speech.size(), 1u);
    EXPECT_EQ(game().world().speech[0].line, "GENERIC_CURSE_MED");
    EXPECT_EQ(task_->quarry().animal, animal_) << "it is the one animal he hunts";
    game().advance(9900);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kRest);
    game().advance(200);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kRoam);
}

TEST_F(SpecificHuntTaskTest, WhenTheShotsAreDoneAndTheAnimalLivesHeStalksItAgain) {
    toShooting();
    answer(kSequenceProgress, 3);
    game().advance(600);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kShooting) << "the sequence still runs";
    answer(kSequenceProgress, static_cast<uint32_t>(-1));
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kStalkAndShoot);
}

// Nobody may ever carry the body: its death alone ends his hunt.
TEST_F(SpecificHuntTaskTest, OnceTheAnimalIsDeadHeIsDoneThoughNobodyCarriesIt) {
    toShooting();
    sim::markDead(*entity(animal_), game().timer());
    game().advance(600);
    game().setRecording(true);
    task_->tick();
    game().setRecording(false);
    EXPECT_EQ(task_->state(), bf::HuntTask::kDone);
    EXPECT_FALSE(task_->isRunning());
    EXPECT_EQ(stealthSet(), std::vector<float>{0.0f});
}

TEST_F(SpecificHuntTaskTest, AnAnimalGoneFromTheWorldEndsTheHuntAndSoDoesHisDeath) {
    game().world().entities.remove(animal_);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kDone);

    task_ = std::make_unique<bf::HuntTask>(
        hunter_, bf::HuntTask::Quarry::one(spawnAt("a_c_buck_01", {1630, 440, 90})), bf::Vector3{},
        60.0f, 120.0f);
    EXPECT_TRUE(task_->isRunning());
    entity(hunter_)->dead = true;
    EXPECT_FALSE(task_->isRunning());
}

TEST_F(SpecificHuntTaskTest, AnAnimalOutOfReachIsNotSpottedAndOneLostDuringConfirmationIsDropped) {
    entity(animal_)->position = {1700.0f, 439.0f, 90.0f};  // 100 m off, reach 60
    task_->tick();
    task_->tick();
    game().advance(1000);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kSpot) << "he sees it but it is out of reach";
    game().advance(4100);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kSearch) << "5 s later he searches again";

    entity(animal_)->position = {1630.0f, 439.0f, 90.0f};
    task_->tick();
    game().advance(1000);
    task_->tick();
    ASSERT_EQ(task_->state(), bf::HuntTask::kConfirm);
    sees_ = false;
    game().advance(4000);
    task_->tick();
    EXPECT_EQ(task_->state(), bf::HuntTask::kRoam);
}

}  // namespace
