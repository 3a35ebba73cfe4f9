// The specific-animal competition: the special animal put down and dressed, the navmesh that is
// not loaded, who took the animal, the time cap and an animal that vanishes.
#include <gtest/gtest.h>

#include <cmath>

#include "animals/animal_sizes.h"
#include "competition_fixture.h"
#include "competitions/competition_variations.h"
#include "competitions/specific_animal_processor.h"
#include "core/decorators.h"

namespace {

class OpenSpecificAnimal : public bf::SpecificAnimalProcessor {
  public:
    using SpecificAnimalProcessor::onStarted;
    using SpecificAnimalProcessor::onTimeUp;
    using SpecificAnimalProcessor::runFrame;
    using SpecificAnimalProcessor::SpecificAnimalProcessor;
};

class SpecificAnimalTest : public CompetitionTest {
  protected:
    static constexpr uint64_t kNavmeshRequest = 0x387EAD7EE42F6685;

    void SetUp() override {
        CompetitionTest::SetUp();
        startWithoutOffers();
        variation_.number = 0;
        variation_.model = "a_c_buck_01";
        variation_.outfit = 2;
        variation_.scale = 1.35f;
        variation_.health = 2.0f;
        opponent_ = spawnAt("a_m_m_rancher_01", {1900.0f, 439.0f, 90.0f});
        stranger_ = spawnAt("a_m_m_valfarmer_01", {1905.0f, 439.0f, 90.0f});
        renew();
    }
    void TearDown() override {
        processor_.reset();
        info_.reset();
        CompetitionTest::TearDown();
    }
    // A fresh kind-0 competition about the buck variation, not yet started.
    void renew() {
        processor_.reset();
        info_ = makeInfo();
        info_->kind = bf::kCompetitionSpecificAnimal;
        info_->variation = &variation_;
        info_->opponentPed = opponent_;
        processor_ =
            std::make_unique<OpenSpecificAnimal>(*info_, plugin().data(), plugin().tutorials());
    }
    int32_t startedTarget() {
        processor_->onStarted();
        return info_->targetAnimal;
    }

    bf::CompetitionVariation variation_;
    int32_t opponent_ = 0, stranger_ = 0;
    std::unique_ptr<bf::CompetitionInfo> info_;
    std::unique_ptr<OpenSpecificAnimal> processor_;
};

TEST_F(SpecificAnimalTest, TheAnimalIsPutDownInTheAreaAsItsVariationAndTheRivalGoesAfterIt) {
    game().setRecording(true);
    const int32_t target = startedTarget();
    game().setRecording(false);
    ASSERT_NE(target, 0) << log();
    const sim::Entity& animal = *entity(target);
    EXPECT_EQ(animal.model, sim::gameHash("a_c_buck_01"));
    // r is the smaller of the area's 120 m and the hunting ground's 150 m.
    const float fromCentre = std::hypot(animal.position.x - 1921.5f, animal.position.y - 439.0f);
    EXPECT_GE(fromCentre, 60.0f - 0.5f);
    EXPECT_LE(fromCentre, 120.0f);
    ASSERT_EQ(info_->createdPeds.size(), 1u);
    EXPECT_EQ(info_->createdPeds[0].get(), target);

    EXPECT_EQ(animal.outfitPreset, 2);
    EXPECT_FLOAT_EQ(animal.condition.scale, 1.35f);
    EXPECT_FLOAT_EQ(floatDecorator(target, bf::kDecorScale), 1.35f);
    EXPECT_FLOAT_EQ(floatDecorator(target, bf::kDecorWeight), bf::animalWeight(3, 1.35f));
    EXPECT_EQ(intDecorator(target, bf::kDecorCompetitionAnimalHandled), 1);
    EXPECT_FLOAT_EQ(animal.maxHealth, 200.0f);
    EXPECT_FLOAT_EQ(animal.health, 200.0f);

    const auto roam = game().recordedOf(kWander);
    ASSERT_EQ(roam.size(), 1u);
    EXPECT_FLOAT_EQ(f32(roam[0].args[1]), 1921.5f);
    EXPECT_FLOAT_EQ(f32(roam[0].args[4]), 120.0f);
    EXPECT_FLOAT_EQ(f32(roam[0].args[5]), 3.0f);
    EXPECT_FLOAT_EQ(f32(roam[0].args[6]), 6.0f);

    EXPECT_TRUE(shown("Bring down the Legendary Buck before your rival does."));
    EXPECT_TRUE(processor_->hunting());
    ASSERT_NE(processor_->opponentTask(), nullptr);
    EXPECT_EQ(processor_->opponentTask()->quarry().animal, target);
    EXPECT_EQ(processor_->opponentTask()->getPed(), opponent_);

    // The game reports the new animal next frame: the sizes and the population leave it be.
    game().runFrames(3);
    ASSERT_NE(entity(target), nullptr);
    EXPECT_FLOAT_EQ(entity(target)->condition.scale, 1.35f);
    EXPECT_FLOAT_EQ(floatDecorator(target, bf::kDecorScale), 1.35f);
}

TEST_F(SpecificAnimalTest, ANavmeshNotLoadedIsRequestedAndTheCompetitionEndsAtOnce) {
    answer(kNavmeshLoaded, 0);
    game().setRecording(true);
    EXPECT_EQ(startedTarget(), 0);
    game().setRecording(false);
    const auto request = game().recordedOf(kNavmeshRequest);
    ASSERT_EQ(request.size(), 1u);
    EXPECT_FLOAT_EQ(f32(request[0].args[0]), 1921.5f);
    EXPECT_FLOAT_EQ(f32(request[0].args[1]), 439.0f);
    EXPECT_EQ(logCount("SpecificAnimalProcessor: requesting navmesh for spawn location: "
                       "1921.5,439,0"),
              1);
    EXPECT_EQ(logCount("SpecificAnimalProcessor: failed to create animal. terminating. animal "
                       "type: -1963605336, coords: 1921.5,439,0"),
              1);
    EXPECT_EQ(info_->outcome, bf::kOutcomeAborted);
    EXPECT_EQ(info_->status, bf::kStatusFinished);
    EXPECT_TRUE(info_->createdPeds.empty());
    EXPECT_FALSE(processor_->hunting());
    EXPECT_EQ(processor_->opponentTask(), nullptr);
}

TEST_F(SpecificAnimalTest, WithoutAVariationNoAnimalIsMadeAndItEndsWithTheSameLine) {
    renew();
    info_->variation = nullptr;
    EXPECT_EQ(startedTarget(), 0);
    EXPECT_EQ(logCount("SpecificAnimalProcessor: failed to create animal. terminating."), 1);
    EXPECT_EQ(info_->outcome, bf::kOutcomeAborted);
}

TEST_F(SpecificAnimalTest, TheKillerDecidesAndAWritheIsEnough) {
    struct Case {
        const char* what;
        bool dead, writhing;
        int killer;                  // 0 none, 1 player, 2 rival, 3 stranger
        std::vector<int> damagedBy;  // the same codes
        int32_t outcome;
    };
    const Case cases[] = {
        {"the player's kill", true, false, 1, {1}, bf::kOutcomePlayerWon},
        {"the rival's kill", true, false, 2, {2}, bf::kOutcomePlayerLost},
        {"it writhes after the player's hit", false, true, 0, {1}, bf::kOutcomePlayerWon},
        {"it writhes after the rival's hit", false, true, 0, {2}, bf::kOutcomePlayerLost},
        {"a third party's kill, neither hunter hit it", true, false, 3, {3}, bf::kOutcomeDraw},
        {"a third party's kill after the player's hit",
         true,
         false,
         3,
         {1, 3},
         bf::kOutcomePlayerWon},
        {"a third party's kill after both hit: the rival's counts",
         true,
         false,
         3,
         {1, 2, 3},
         bf::kOutcomePlayerLost},
        {"it writhes and nobody hit it", false, true, 0, {}, bf::kOutcomeDraw},
        {"alive and on its feet", false, false, 0, {1, 2}, bf::kOutcomeNone},
    };
    const auto who = [this](int code) {
        return code == 1 ? player() : code == 2 ? opponent_ : code == 3 ? stranger_ : 0;
    };
    for (const Case& c : cases) {
        renew();
        const int32_t target = startedTarget();
        ASSERT_NE(target, 0) << c.what;
        sim::Entity& animal = *entity(target);
        animal.dead = c.dead;
        animal.condition.writhing = c.writhing;
        animal.killer = who(c.killer);
        for (int code : c.damagedBy)
            animal.damagedBy.insert(who(code));
        processor_->runFrame(game().timer());
        EXPECT_EQ(info_->outcome, c.outcome) << c.what;
    }
    // Knocked over by a hit, it lies limp for a moment but is neither dead nor writhing.
    renew();
    const int32_t knocked = startedTarget();
    hit(knocked, 0.5f);
    processor_->runFrame(game().timer());
    EXPECT_EQ(info_->outcome, bf::kOutcomeNone) << "knocked over";
    EXPECT_EQ(logCount("SpecificAnimalProcessor: the animal is down. taken by: player"), 3);
    EXPECT_EQ(logCount("SpecificAnimalProcessor: the animal is down. taken by: opponent"), 3);
    EXPECT_EQ(logCount("SpecificAnimalProcessor: the animal is down. taken by: nobody of the two"),
              2);
}

TEST_F(SpecificAnimalTest, TheTimeCapWithTheAnimalStillUpIsADraw) {
    const int32_t target = startedTarget();
    ASSERT_NE(target, 0);
    processor_->onTimeUp();
    EXPECT_EQ(info_->outcome, bf::kOutcomeDraw);
    EXPECT_EQ(logCount("SpecificAnimalProcessor: time is up and the animal is still up: a draw"),
              1);
    // runFrame still runs in that frame: a kill then changes nothing.
    entity(target)->dead = true;
    entity(target)->killer = player();
    processor_->runFrame(game().timer());
    EXPECT_EQ(info_->outcome, bf::kOutcomeDraw);
    EXPECT_EQ(logCount("HuntingCompetitionProcessor: competition finished with outcome: "), 1);
}

TEST_F(SpecificAnimalTest, AnAnimalThatVanishesEndsTheCompetition) {
    int32_t target = startedTarget();
    ASSERT_NE(target, 0);
    game().world().entities.remove(target);
    processor_->runFrame(game().timer());
    EXPECT_EQ(info_->outcome, bf::kOutcomeAborted);
    EXPECT_EQ(logCount("SpecificAnimalProcessor: the animal is gone from the world. terminating."),
              1);
}

}  // namespace
