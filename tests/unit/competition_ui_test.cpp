// The competition's panel and HUD block: their texts, colours and the parts each setting shows.
#include <gtest/gtest.h>

#include "competition_fixture.h"
#include "competitions/competition_variations.h"
#include "competitions/hunting_competition_info_modal.h"
#include "competitions/hunting_competition_status_widget.h"

namespace {

class CompetitionUiTest : public CompetitionTest {
  protected:
    void SetUp() override {
        CompetitionTest::SetUp();
        startWithoutOffers();
        info_ = makeInfo();
    }
    // The colours of the texts drawn by one draw call, as (red, green, blue).
    std::vector<std::array<uint64_t, 3>> drawnColours(bf::BaseUIComponent& component) {
        game().clearRecorded();
        game().setRecording(true);
        component.update();
        game().setRecording(false);
        std::vector<std::array<uint64_t, 3>> colours;
        for (const auto& call : game().recordedOf(kTextColor))
            colours.push_back({call.args[0], call.args[1], call.args[2]});
        return colours;
    }
    std::unique_ptr<bf::CompetitionInfo> info_;
};

TEST_F(CompetitionUiTest, ClockTexts) {
    EXPECT_EQ(bf::formatTimeCap(5), "05:00");
    EXPECT_EQ(bf::formatTimeCap(15), "15:00");
    EXPECT_STREQ(bf::formatTimeLeft(30).data(), "00:30");
    EXPECT_STREQ(bf::formatTimeLeft(605).data(), "10:05");
    EXPECT_STREQ(bf::formatTimeLeft(-4).data(), "00:00");
}

TEST_F(CompetitionUiTest, TheTimeLeftTurnsRedInTheLastThirtySeconds) {
    setSetting("HUD_HuntingCompetition_ScoreStatus", "0");
    bf::HuntingCompetitionStatusWidget widget(*info_, plugin().data());
    widget.show();
    using Colours = std::vector<std::array<uint64_t, 3>>;
    info_->timeLeftSeconds = 31;
    EXPECT_EQ(drawnColours(widget), (Colours{{229, 229, 229}}));
    info_->timeLeftSeconds = 30;
    EXPECT_EQ(drawnColours(widget), (Colours{{229, 0, 0}}));
    game().runFrame();
    EXPECT_TRUE(shown("00:30"));
}

TEST_F(CompetitionUiTest, ScoresForMassHuntingTheSpecialAnimalsNameOtherwise) {
    bf::HuntingCompetitionStatusWidget widget(*info_, plugin().data());
    widget.show();
    info_->timeLeftSeconds = 300;
    info_->playerScore = 12;
    info_->opponentScore = 7;
    EXPECT_EQ(drawnColours(widget).size(), 5u) << "the clock, then two rows of two texts";
    game().runFrame();
    EXPECT_TRUE(shown("Arthur"));
    EXPECT_TRUE(shown("Rival"));
    EXPECT_TRUE(shown("12"));

    const bf::CompetitionVariation legend{0, "a_c_buck_01", 2, 1.3f, 3.0f};
    info_->kind = bf::kCompetitionSpecificAnimal;
    info_->variation = &legend;
    bf::HuntingCompetitionStatusWidget specific(*info_, plugin().data());
    specific.show();
    game().world().screen.mark();
    EXPECT_EQ(drawnColours(specific).size(), 2u) << "the clock and the animal's name";
    game().runFrame();
    EXPECT_TRUE(shown("The Legendary Buck"));
    EXPECT_FALSE(shown("Rival"));
    setSetting("HUD_HuntingCompetition_ScoreStatus", "0");
    EXPECT_EQ(drawnColours(specific).size(), 1u);
    setSetting("HUD_HuntingCompetition_TimeLeft", "0");
    EXPECT_EQ(drawnColours(specific).size(), 0u);
}

TEST_F(CompetitionUiTest, ThePanelTellsTheAnimalTheTaskTheTimeAndTheStake) {
    info_->timeCapMinutes = 5;
    info_->bounty = 2599;
    bf::HuntingCompetitionInfoModal modal(*info_, plugin().data());
    modal.show();
    // The pictures load a few frames after they are first asked for.
    for (int i = 0; i < 10; ++i) {
        game().runFrame();
        modal.update();
    }
    game().world().screen.mark();
    modal.update();
    game().runFrame();
    EXPECT_TRUE(shown("Hunting Competition"));
    EXPECT_TRUE(shown("Bucks"));
    EXPECT_TRUE(shown("Take more Bucks than your rival.\nBetter and bigger animals score more"));
    EXPECT_TRUE(shown("Time limit: 05:00"));
    EXPECT_TRUE(shown("$25"));
    EXPECT_FALSE(shown("$25."));

    // A hunt for a special animal names it and has no task line of the mass hunt.
    const bf::CompetitionVariation legend{0, "a_c_buck_01", 2, 1.3f, 3.0f};
    info_->kind = bf::kCompetitionSpecificAnimal;
    info_->variation = &legend;
    bf::HuntingCompetitionInfoModal specific(*info_, plugin().data());
    specific.show();
    game().world().screen.mark();
    specific.update();
    game().runFrame();
    EXPECT_TRUE(shown("The Legendary Buck"));
    EXPECT_FALSE(shown("Bucks"));
    EXPECT_FALSE(shown("Take more Bucks than your rival.\nBetter and bigger animals score more"));
}

}  // namespace
