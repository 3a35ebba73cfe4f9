// The simulated game's core: frames and clocks, script waits, random draws and the game hash.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/hook.h"
#include "core/natives.h"
#include "plugin_fixture.h"
#include "sim/world/hash.h"
#include "sim/world/step.h"

namespace {

TEST(GameHash, JenkinsOneAtATimeOverTheLowerCasedName) {
    EXPECT_EQ(sim::gameHash("WEAPON_UNARMED"), 0xA2719263u);
    EXPECT_EQ(sim::gameHash("weapon_unarmed"), 0xA2719263u);
    EXPECT_EQ(sim::gameHash(""), 0u);
    EXPECT_NE(sim::gameHash("player_zero"), sim::gameHash("player_three"));
}

// Every kind of handle the game hands out: how to make one and how to let it go (null when the
// game never frees that kind by itself).
struct HandleKind {
    const char* name;
    int64_t (*make)(sim::World& world);
    void (*drop)(sim::Game& game, int64_t handle);
};

const HandleKind kHandleKinds[] = {
    {"entity",
     [](sim::World& w) -> int64_t {
         return w.entities.create(sim::EntityKind::Ped, sim::kModelArthur, {}).handle;
     },
     [](sim::Game& g, int64_t h) { g.world().entities.remove(static_cast<int32_t>(h)); }},
    {"blip",
     [](sim::World& w) -> int64_t {
         return w.blips.add(sim::gameHash("BLIP_STYLE_AREA"), 0, {}, 10.0f);
     },
     [](sim::Game& g, int64_t h) { g.world().blips.remove(static_cast<int32_t>(h)); }},
    {"prompt", [](sim::World& w) -> int64_t { return w.prompts.begin(); },
     [](sim::Game& g, int64_t h) { g.world().prompts.remove(static_cast<int32_t>(h)); }},
    {"prompt group",
     [](sim::World& w) -> int64_t {
         return w.prompts.groupFor(
             w.entities.create(sim::EntityKind::Ped, sim::kModelArthur, {}).handle);
     },
     nullptr},
    {"scenario point",
     [](sim::World& w) -> int64_t {
         return w.scenarioPoints.create({-100.0f, 500.0f, 80.0f}, 1.0f,
                                        sim::gameHash("WORLD_HUMAN_SMOKE"));
     },
     [](sim::Game& g, int64_t h) { g.world().scenarioPoints.remove(static_cast<int32_t>(h)); }},
    {"text", [](sim::World& w) -> int64_t { return static_cast<int64_t>(w.screen.makeText("x")); },
     [](sim::Game& g, int64_t) { g.runFrame(); }},  // text handles last one frame
};

std::vector<int64_t> handlesOf(const HandleKind& kind, uint32_t seed) {
    sim::Game game(sim::GameOptions{seed});
    std::vector<int64_t> handles;
    for (int i = 0; i < 6; ++i)
        handles.push_back(kind.make(game.world()));
    return handles;
}

// A plug-in that mixes up two kinds of handle, or counts on their order, must not get away
// with it.
TEST(GameHandles, EveryKindLooksArbitraryFollowsTheSeedAndComesBackAfterDeletion) {
    for (const HandleKind& kind : kHandleKinds) {
        const auto handles = handlesOf(kind, 11);
        std::set<int64_t> steps;
        for (size_t i = 0; i < handles.size(); ++i) {
            EXPECT_NE(static_cast<int32_t>(handles[i]), 0) << kind.name;
            if (i > 0) steps.insert(handles[i] - handles[i - 1]);
        }
        EXPECT_GT(steps.size(), 2u) << kind.name << " handles count up";
        EXPECT_EQ(handlesOf(kind, 11), handles) << kind.name << " handles ignore the seed";
        EXPECT_NE(handlesOf(kind, 12), handles) << kind.name << " handles ignore the seed";

        if (!kind.drop) continue;
        sim::Game game(sim::GameOptions{11});
        std::set<int64_t> seen;
        bool reused = false;
        for (int i = 0; i < 200 && !reused; ++i) {
            const int64_t handle = kind.make(game.world());
            reused = !seen.insert(handle).second;
            kind.drop(game, handle);
        }
        EXPECT_TRUE(reused) << kind.name << " handles never come back";
    }
}

TEST(WorldStep, PartsRunInTheStatedOrder) {
    std::vector<std::string> names;
    for (const sim::StepPart& part : sim::worldStepParts())
        names.push_back(part.name);
    EXPECT_EQ(names, (std::vector<std::string>{"input", "walking", "tasks", "wildlife", "clean-up",
                                               "chaos", "blips"}));
}

// The world draws from the game's one generator: a script's draw moves the world's next one.
TEST(WorldStep, AmbientAnimalsDrawFromTheGamesOneGenerator) {
    auto ambient = [](bool scriptDraws) {
        sim::Game game(sim::GameOptions{7});
        game.world().wildlife.enabled = true;
        if (scriptDraws) bf::natives::getRandomIntInRange(0, 100);
        game.advance(40000);
        std::vector<std::pair<float, float>> places;
        for (const auto& [handle, e] : game.world().entities.all()) {
            if (e.released) places.emplace_back(e.position.x, e.position.y);
        }
        std::sort(places.begin(), places.end());
        return places;
    };
    const auto places = ambient(false);
    ASSERT_FALSE(places.empty());
    EXPECT_EQ(ambient(false), places);
    EXPECT_NE(ambient(true), places);
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
