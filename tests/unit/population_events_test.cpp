// The population inside the game's events: depletion on kills, culling of created animals, and
// the population and weight HUD of an inspected animal.
#include <gtest/gtest.h>

#include "animal_fixture.h"
#include "animals/animal_hud.h"
#include "animals/animal_population.h"
#include "core/runtime.h"

namespace {

constexpr uint32_t kHeartlands = 0x07D4FF5F;
constexpr uint32_t kCumberland = 0x6D67801E;
constexpr uint32_t kDeer = sim::gameHash("deer");
constexpr uint64_t kRandomFloat = 0xE29F927A961F8AAA;
const sim::Vec3 kInHeartlands{1530.0f, 440.0f, 90.0f};
const sim::Vec3 kInCumberland{450.0f, 1300.0f, 90.0f};
const sim::Vec3 kOffTheMap{9000.0f, 9000.0f, 0.0f};

class PopulationEventsTest : public AnimalTest {
  protected:
    void SetUp() override {
        AnimalTest::SetUp();
        writeDataFile("GeneralMeta.dat",
                      "save_freq_sec=120\nanimal_population.depletion_rate=0.9\n");
    }
    bf::AnimalPopulationManager& population() { return plugin().population(); }
    bf::AnimalHud& hud() { return plugin().animalHud(); }
    int32_t killAt(const char* model, sim::Vec3 at) {
        // Culling may take the new animal in a depleted district: the game spawns another.
        int32_t ped = 0;
        for (int tries = 0; tries < 50 && !entity(ped); ++tries) {
            ped = spawn(model, 1, 1.0f, at);
            game().runFrame();
        }
        sim::damagePed(game(), *entity(ped), player(), sim::gameHash("WEAPON_RIFLE_SPRINGFIELD"),
                       sim::kBoneSpine, 0.0f, true);
        game().runFrame();
        return ped;
    }
    size_t countLog(const std::string& text) {
        const std::string all = log();
        size_t n = 0;
        for (auto at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++n;
        return n;
    }
};

TEST_F(PopulationEventsTest, KillsDepleteTheirTypeInTheirDistrictOnly) {
    start();
    for (int i = 0; i < 3; ++i)
        killAt("a_c_buck_01", kInHeartlands);
    EXPECT_NE(
        log().find("AnimalPopulationManager: updating animal population factor. animal "
                   "type: deer " +
                   bf::signedId(kDeer) + ". district id: 131399519. updated factor: 0.729000"),
        std::string::npos);
    EXPECT_NEAR(population().effectiveFactor(kHeartlands, kDeer), 0.729f, 1e-6f);
    EXPECT_EQ(population().effectiveFactor(kCumberland, kDeer), 1.0f);

    // None of these counts: outside every district, a horse, a person, a wounded animal.
    killAt("a_c_buck_01", kOffTheMap);
    killAt("a_c_horse_morgan_bay", kInHeartlands);
    killAt("a_m_m_rancher_01", kInHeartlands);
    hit(spawn("a_c_buck_01"), 0.2f);
    game().runFrames(2);
    EXPECT_EQ(countLog("updating animal population factor"), 3u);
}

TEST_F(PopulationEventsTest, CullingDeletesAboutOneMinusTheFactorOfNewAnimals) {
    start();
    game().setRecording(true);
    ASSERT_TRUE(population().setPopulationFactor(kHeartlands, kDeer, 0.7f));
    std::vector<int32_t> spawned;
    for (int i = 0; i < 400; ++i)
        spawned.push_back(spawn("a_c_buck_01"));
    game().runFrame();
    size_t culled = 0;
    for (int32_t ped : spawned)
        culled += entity(ped) == nullptr;
    EXPECT_GT(culled, 90u);
    EXPECT_LT(culled, 150u);
    EXPECT_EQ(countLog("deleting animal ped of type: deer (hash: " + bf::signedId(kDeer) +
                       "). district id: 131399519. updated factor: 0.700000"),
              culled);
    const auto draws = game().recordedOf(kRandomFloat);
    ASSERT_EQ(draws.size(), 400u);
    EXPECT_EQ(f32(draws[0].args[0]), 0.0f);
    EXPECT_EQ(f32(draws[0].args[1]), 1.0f);

    // Untouched district, and no district at all: never culled.
    spawned.clear();
    for (int i = 0; i < 200; ++i) {
        spawned.push_back(spawn("a_c_buck_01", 1, 1.0f, kInCumberland));
        spawned.push_back(spawn("a_c_buck_01", 1, 1.0f, kOffTheMap));
    }
    game().runFrame();
    for (int32_t ped : spawned)
        EXPECT_NE(entity(ped), nullptr);
}

// A competition marks what it made before the game reports it, and marks its rival while the
// hunt runs: neither the culling nor his kills may thin out the hunt or the player's district.
TEST_F(PopulationEventsTest, ACompetitionsAnimalsAreNeverCulledAndItsRivalsKillsDepleteNothing) {
    start();
    ASSERT_TRUE(population().setPopulationFactor(kHeartlands, kDeer, 0.05f));
    std::vector<int32_t> spawned;
    for (int i = 0; i < 40; ++i) {
        spawned.push_back(spawn("a_c_buck_01"));
        entity(spawned.back())->decorators["VX_Brackenfold_Competition_Animal"].i = 1;
    }
    game().runFrame();
    for (int32_t ped : spawned)
        EXPECT_NE(entity(ped), nullptr);

    ASSERT_TRUE(population().setPopulationFactor(kHeartlands, kDeer, 1.0f));
    const int32_t rival = spawn("a_m_m_rancher_01");
    entity(rival)->decorators["VX_Brackenfold_Competition_Rival"].i = 1;
    game().runFrame();
    sim::damagePed(game(), *entity(spawned[0]), rival, sim::gameHash("WEAPON_RIFLE_SPRINGFIELD"),
                   sim::kBoneSpine, 0.0f, true);
    game().runFrame();
    EXPECT_EQ(population().effectiveFactor(kHeartlands, kDeer), 1.0f);
    killAt("a_c_buck_01", kInHeartlands);
    EXPECT_NEAR(population().effectiveFactor(kHeartlands, kDeer), 0.9f, 1e-6f)
        << "the player's kill still counts";
}

class PopulationHudTest : public PopulationEventsTest {
  protected:
    // The player inspects the ped; the pump makes it the HUD's target once the panel is open.
    void inspect(int32_t ped) {
        sim::inspectPed(game(), ped);
        game().runFrames(3);
        ASSERT_EQ(hud().target(), ped);
        game().runFrames(4);  // the HUD's texture dictionaries load
    }
    std::vector<std::string> drawn() {
        std::vector<std::string> names;
        for (const auto& s : game().world().screen.lastFrameSprites)
            names.push_back(s.dictionary + "/" + s.name);
        return names;
    }
};

TEST_F(PopulationHudTest, GaugeLevelFollowsTheEffectiveFactor) {
    start();
    const int32_t buck = spawn("a_c_buck_01");
    game().runFrame();
    entity(buck)->decorators.erase("VX_Brackenfold_Scale");
    inspect(buck);
    const struct {
        float factor;
        const char* texture;
    } cases[] = {{1.0f, "rpg_tank_10"}, {0.95f, "rpg_tank_9"}, {0.04f, "rpg_tank_0"}};
    for (const auto& c : cases) {
        population().setPopulationFactor(kHeartlands, kDeer, c.factor);
        game().runFrame();
        EXPECT_EQ(drawn(),
                  (std::vector<std::string>{"rpg_menu_item_effects/" + std::string(c.texture),
                                            "blips/blip_animal"}))
            << c.factor;
    }
    const auto& gauge = game().world().screen.lastFrameSprites[0];
    const auto& icon = game().world().screen.lastFrameSprites[1];
    EXPECT_FLOAT_EQ(gauge.centreX, 0.295f + 0.0242f / 2);
    EXPECT_FLOAT_EQ(gauge.centreY, 0.9f + 0.0242f * 16 / 9 / 2);
    EXPECT_FLOAT_EQ(icon.centreX, gauge.centreX);
    EXPECT_FLOAT_EQ(gauge.width, 1.05f * 0.0242f);
    EXPECT_FLOAT_EQ(icon.height, 0.7f * 0.0242f * 16 / 9);

    entity(buck)->position = kOffTheMap;
    game().runFrame();
    EXPECT_TRUE(drawn().empty()) << "no district: factor -1.0, no gauge";
}

TEST_F(PopulationHudTest, BadgeFollowsTheScaleAndTheTargetGoesWithThePanel) {
    start();
    const int32_t buck = spawn("a_c_buck_01", 1, 1.0f, kOffTheMap);
    game().runFrame();
    inspect(buck);
    const struct {
        float scale;
        const char* texture;
    } cases[] = {{0.95f, "rpg_underweight"}, {0.96f, "rpg_overweight"}, {1.2f, "rpg_overweight"}};
    for (const auto& c : cases) {
        entity(buck)->decorators["VX_Brackenfold_Scale"].f = c.scale;
        game().runFrame();
        EXPECT_EQ(drawn(), std::vector<std::string>{"rpg_textures/" + std::string(c.texture)});
        const auto& badge = game().world().screen.lastFrameSprites[0];
        EXPECT_FLOAT_EQ(badge.centreX, 0.295f - 0.0242f - 0.001f + 0.0242f / 2);
    }
    entity(buck)->decorators.erase("VX_Brackenfold_Scale");
    game().runFrame();
    EXPECT_TRUE(drawn().empty()) << "no scale decorator, no badge";

    entity(buck)->decorators["VX_Brackenfold_Scale"].f = 1.0f;
    sim::closeInspection(game());
    game().runFrame();
    EXPECT_EQ(drawn().size(), 1u) << "the last frame still draws";
    EXPECT_FALSE(hud().active());
    EXPECT_EQ(hud().target(), 0);
    game().runFrame();
    EXPECT_TRUE(drawn().empty());
}

}  // namespace
