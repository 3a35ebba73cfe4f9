// The simulated game's core: frames and clocks, script waits, random draws and the game hash.
#include <gtest/gtest.h>

#include "core/hook.h"
#include "core/natives.h"
#include "plugin_fixture.h"
#include "sim/world/hash.h"

namespace {

TEST(GameHash, JenkinsOneAtATimeOverTheLowerCasedName) {
    EXPECT_EQ(sim::gameHash("WEAPON_UNARMED"), 0xA2719263u);
    EXPECT_EQ(sim::gameHash("weapon_unarmed"), 0xA2719263u);
    EXPECT_EQ(sim::gameHash(""), 0u);
    EXPECT_NE(sim::gameHash("player_zero"), sim::gameHash("player_three"));
}

class GameTest : public PluginTest {};

TEST_F(GameTest, HashAndRandomNativesFollowTheGame) {
    EXPECT_EQ(bf::natives::getHashKey("WEAPON_UNARMED"), 0xA2719263u);
    bool sawZero = false, sawFour = false;
    for (int i = 0; i < 500; ++i) {
        const int32_t draw = bf::natives::getRandomIntInRange(0, 5);
        ASSERT_GE(draw, 0);
        ASSERT_LT(draw, 5) << "the maximum is never drawn";
        sawZero |= draw == 0;
        sawFour |= draw == 4;
        const float f = bf::natives::getRandomFloatInRange(0.0f, 1.0f);
        ASSERT_GE(f, 0.0f);
        ASSERT_LT(f, 1.0f);
    }
    EXPECT_TRUE(sawZero && sawFour);
    EXPECT_EQ(bf::natives::getRandomIntInRange(3, 3), 3);
}

TEST_F(GameTest, TheSameSeedDrawsTheSameNumbers) {
    sim::Random a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 20; ++i) {
        const int32_t x = a.intInRange(0, 1000);
        EXPECT_EQ(x, b.intInRange(0, 1000));
        differs |= x != c.intInRange(0, 1000);
    }
    EXPECT_TRUE(differs);
}

TEST_F(GameTest, ClocksStartLargeAndClockARunsThirtyTimesFaster) {
    const uint32_t timer = game().timer();
    const uint32_t clock = game().clockA();
    EXPECT_GT(timer, 1000000u);
    EXPECT_GT(clock, 86400u);
    game().advance(2000);
    EXPECT_GE(game().timer() - timer, 2000u);
    EXPECT_LT(game().timer() - timer, 2000u + sim::Game::kFrameMs);
    EXPECT_EQ(game().clockA() - clock, (game().timer() - timer) * 30 / 1000);
}

// A script that records the game timer each time it resumes.
std::vector<uint32_t>* gResumes = nullptr;
uint32_t gWaitMs = 0;
void probeScript() {
    for (;;) {
        gResumes->push_back(bf::natives::getGameTimer());
        hook::scriptWait(gWaitMs);
    }
}
bool probeEntry(void* module, uint32_t reason) {
    if (reason == 1) hook::scriptRegister(module, &probeScript);
    return true;
}

TEST_F(GameTest, ScriptWaitZeroIsOneFrameAndATimeIsThatMuchGameTime) {
    std::vector<uint32_t> resumes;
    gResumes = &resumes;
    gWaitMs = 0;
    game().attach(&probeEntry);
    game().runFrames(4);
    ASSERT_EQ(resumes.size(), 4u);
    EXPECT_EQ(resumes[1] - resumes[0], sim::Game::kFrameMs);
    EXPECT_EQ(game().callsLastFrame(), 1u);

    resumes.clear();
    gWaitMs = 250;
    game().runFrames(1);  // the script now waits 250 ms
    game().runFrames(30);
    ASSERT_GE(resumes.size(), 3u);
    for (size_t i = 2; i < resumes.size(); ++i) {
        EXPECT_GE(resumes[i] - resumes[i - 1], 250u);
        EXPECT_LT(resumes[i] - resumes[i - 1], 250u + sim::Game::kFrameMs);
    }
    game().runFrames(1);
    gResumes = nullptr;
    game().hookScriptUnregister(reinterpret_cast<void*>(0x7FF61A200000ull));
}

}  // namespace
