// Dynamic sizes: the draws by quality, the weight rule, and the animals that are left alone.
#include <gtest/gtest.h>

#include "animal_fixture.h"
#include "animals/animal_sizes.h"
#include "core/decorators.h"
#include "world/peds.h"

namespace {

class AnimalSizesTest : public AnimalTest {};

TEST_F(AnimalSizesTest, DrawsByQualityAndAppliesTheScaleThenTheWeight) {
    struct Case {
        const char* byQuality;
        int32_t quality;
        std::vector<std::pair<int32_t, int32_t>> draws;
        float low, high;
    };
    const Case cases[] = {
        {"0", 0, {{70, 130}}, 0.70f, 1.29f},
        {"0", 2, {{70, 130}}, 0.70f, 1.29f},
        {"0", 7, {{70, 130}}, 0.70f, 1.29f},
        {"1", 0, {{70, 130}, {70, 85}}, 0.70f, 0.84f},
        {"1", 1, {{70, 130}, {92, 105}}, 0.92f, 1.04f},
        {"1", 2, {{70, 130}, {112, 130}}, 1.12f, 1.29f},
        {"1", 3, {{70, 130}}, 1.0f, 1.0f},
        {"1", -1, {{70, 130}}, 1.0f, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("AnimalSizeByQuality=") + c.byQuality + " quality " +
                     std::to_string(c.quality));
        TearDown();
        SetUp();
        startWith(std::string("AnimalSizeByQuality=") + c.byQuality + "\n");
        const int32_t buck = spawn("a_c_buck_01", c.quality);
        game().setRecording(true);
        game().runFrame();
        std::vector<std::pair<int32_t, int32_t>> draws;
        for (const auto& call : game().recordedOf(kRandomInt))
            draws.emplace_back(static_cast<int32_t>(call.args[0]),
                               static_cast<int32_t>(call.args[1]));
        EXPECT_EQ(draws, c.draws);

        const float scale = floatDecorator(buck, bf::kDecorScale);
        EXPECT_GE(scale, c.low - 1e-6f);
        EXPECT_LE(scale, c.high + 1e-6f);
        EXPECT_EQ(entity(buck)->condition.scale, scale);
        EXPECT_EQ(floatDecorator(buck, bf::kDecorWeight), 3.0f * 25.0f * scale);

        // Scale, then the two refreshes, then the decorators.
        std::vector<std::string> order;
        for (const auto& call : game().recorded()) {
            if (call.args.empty() || static_cast<int32_t>(call.args[0]) != buck) continue;
            if (call.name == "_SET_PED_SCALE" || call.name == "_UPDATE_PED_VARIATION" ||
                call.name == "_GET_PED_HEIGHT" || call.name == "DECOR_SET_FLOAT")
                order.push_back(call.name);
        }
        EXPECT_EQ(order, (std::vector<std::string>{"_SET_PED_SCALE", "_UPDATE_PED_VARIATION",
                                                   "_GET_PED_HEIGHT", "DECOR_SET_FLOAT",
                                                   "DECOR_SET_FLOAT"}));
        const auto variation = game().recordedOf(0xCC8CA3E88256E58F);
        ASSERT_EQ(variation.size(), 1u);
        EXPECT_EQ(variation[0].args,
                  (std::vector<uint64_t>{static_cast<uint32_t>(buck), 0, 0, 0, 0, 0}));
    }
}

TEST(AnimalWeight, GrowsWithTheSizeClassInSinglePrecision) {
    struct Case {
        int32_t sizeClass;
        float scale;
        float weight;
    };
    const Case cases[] = {{0, 1.2f, 0.0f},           {1, 1.3f, 1.3f},   {2, 1.0f, 50.0f},
                          {3, 0.92f, 75.0f * 0.92f}, {4, 1.0f, 180.0f}, {5, 1.12f, 225.0f * 1.12f}};
    for (const Case& c : cases)
        EXPECT_EQ(bf::animalWeight(c.sizeClass, c.scale), c.weight) << c.sizeClass;
}

// The game's classes start at 0 for small game: weighed from its class, a rabbit would weigh 0.
TEST_F(AnimalSizesTest, SmallGameWeighsSomethingAndTheLargestTheMost) {
    start();
    const std::pair<const char*, float> perScale[] = {
        {"a_c_rabbit_01", 1.0f}, {"a_c_buck_01", 75.0f}, {"a_c_bear_01", 225.0f}};
    for (const auto& [model, weight] : perScale) {
        const int32_t ped = spawn(model);
        game().runFrame();
        EXPECT_FLOAT_EQ(floatDecorator(ped, bf::kDecorWeight),
                        weight * floatDecorator(ped, bf::kDecorScale))
            << model;
    }
}

TEST_F(AnimalSizesTest, LeavesHorsesHumansUntouchedTypesAndBirdsAlone) {
    start();
    const int32_t peds[] = {spawn("a_c_dogcatahoulacur_01"), spawn("a_c_rat_01"),
                            spawn("a_c_horse_morgan_bay"),   spawn("a_m_m_valfarmer_01"),
                            spawn("a_c_goosecanada_01"),     spawn("a_c_duck_01")};
    game().setRecording(true);
    game().runFrame();
    EXPECT_TRUE(game().recordedOf(kSetScale).empty());
    EXPECT_TRUE(game().recordedOf(kRandomInt).empty());
    for (int32_t ped : peds) {
        EXPECT_FALSE(hasDecorator(ped, bf::kDecorScale)) << ped;
        EXPECT_FALSE(hasDecorator(ped, bf::kDecorWeight)) << ped;
    }
    EXPECT_TRUE(bf::isUntouchedAnimalType(0xB0672438));
    EXPECT_FALSE(bf::isUntouchedAnimalType(
        game().world().models.find(std::string("a_c_buck_01"))->animalType));
}

TEST_F(AnimalSizesTest, SizesOffWritesNoDecorator) {
    startWith("DynamicAnimalSizes=0\n");
    const int32_t buck = spawn("a_c_buck_01");
    game().setRecording(true);
    game().runFrame();
    EXPECT_TRUE(game().recordedOf(kSetScale).empty());
    EXPECT_FALSE(hasDecorator(buck, bf::kDecorScale));
    EXPECT_FALSE(hasDecorator(buck, bf::kDecorWeight));
}

}  // namespace
