// Cargo scoring and pricing against the game's cargo: qualities, condition factors, the average
// over what counts, list and base prices, and prices that would take the player's money.
#include "trading/cargo_appraisal.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/runtime.h"
#include "spine/plugin.h"
#include "trade_fixture.h"

namespace {

class CargoAppraisalTest : public TradeTest {
  public:
    void startWith(const std::string& settings = "", const std::string& prices = "",
                   const std::string& generalMeta = "") {
        if (!prices.empty()) writeDataFile("AnimalPrices.dat", prices);
        if (!generalMeta.empty()) writeDataFile("GeneralMeta.dat", generalMeta);
        startTrading(settings);
        horse_ = mountedPlayer();
        appraiser_.emplace(plugin().data().animalPrices(), plugin().data().generalMeta());
    }
    const bf::CargoAppraiser& appraiser() const { return *appraiser_; }
    int32_t horse() const { return horse_; }

  private:
    int32_t horse_ = 0;
    std::optional<bf::CargoAppraiser> appraiser_;
};

TEST(QualityFromItemText, PerfectPoorGoodAndTooShort) {
    const std::pair<const char*, int32_t> cases[] = {
        {"Perfect Buck Pelt", 2},
        {"Poor Buck Pelt", 0},
        {"Good Buck Pelt", 1},
        {"Pe", 2},
        {"Px", 0},
        {"Legendary Buck Pelt", 1},
        {"perfect pelt", 1},
        {"P", -1},
        {"", -1},
        {nullptr, -1},
    };
    for (const auto& [text, quality] : cases)
        EXPECT_EQ(bf::qualityFromItemText(text), quality) << (text ? text : "null");
}

TEST_F(CargoAppraisalTest, EntityScoresWeighQualityScaleAndCondition) {
    startWith();
    struct Case {
        const char* what;
        const char* model;
        bool pelt;
        int32_t quality;
        float scale;
        bool looted;
        float score;
    };
    // Predators fetch double, birds 0.85, a looted carcass 0.65: by what the animal is.
    const Case cases[] = {
        {"poor pelt", "a_c_buck_01", true, 0, 0.0f, false, 0.5f},
        {"good pelt", "a_c_buck_01", true, 1, 0.0f, false, 1.0f},
        {"perfect pelt", "a_c_buck_01", true, 2, 0.0f, false, 1.5f},
        {"carcass without a scale", "a_c_boar_01", false, 2, 0.0f, false, 1.5f},
        {"carcass of scale 0.8", "a_c_boar_01", false, 2, 0.8f, false, 1.2f},
        {"predator's carcass", "a_c_cougar_01", false, 1, 0.0f, false, 2.0f},
        {"predator's pelt", "a_c_wolf", true, 1, 0.0f, false, 2.0f},
        {"predator's carcass, looted", "a_c_cougar_01", false, 1, 0.0f, true, 1.3f},
        {"bird", "a_c_duck_01", false, 1, 0.0f, false, static_cast<float>(1.0f * 0.85)},
        {"legendary, looted", "a_c_buck_legendary_01", false, 1, 0.0f, true,
         static_cast<float>(1.0f * 0.65)},
    };
    for (const Case& c : cases) {
        const int32_t e = cargo(horse(), c.model, c.pelt, c.quality, c.scale);
        entity(e).trade.looted = c.looted;
        EXPECT_FLOAT_EQ(appraiser().calculateEntityScore(e), c.score) << c.what;
    }
    EXPECT_EQ(appraiser().calculateEntityScore(0), 0.0f);
}

TEST_F(CargoAppraisalTest, TheAverageIgnoresWhatDoesNotCount) {
    startWith();
    cargo(horse(), "a_c_buck_01", false, 1, 1.2f);
    // A thing on the horse that is neither an animal nor a pelt scores 0.0.
    entity(horse()).trade.cargo.push_back(
        sim::placeHitchingPost(world(), {kPlayerAt.x, kPlayerAt.y, kPlayerAt.z}).handle);
    cargo(horse(), "a_c_buck_01", false, 1, 1.2f);
    EXPECT_FLOAT_EQ(appraiser().calculateCargoScore(horse()), 1.2f);
    EXPECT_EQ(logCount("calculateCargoScore: carriable entities count: 3"), 1u);
    EXPECT_EQ(
        logCount("calculateCargoScore: entity result: [0] Good Buck Carcass, score: 1.200000\n"),
        1u);
    EXPECT_EQ(logCount("calculateEntityScore: entity is neither an animal nor a pelt"), 1u);
    EXPECT_EQ(logCount("calculateCargoScore: entity result: [1] , score: 0.000000, ignoring"), 1u);
    EXPECT_EQ(logCount("calculateCargoScore: final scores sum: 2.400000 result: 1.200000"), 1u);
    EXPECT_EQ(world().trade.itemsets.live(), 0u);
}

TEST_F(CargoAppraisalTest, AnEmptyHorseScoresZero) {
    startWith();
    EXPECT_EQ(appraiser().calculateCargoScore(horse()), 0.0f);
    EXPECT_EQ(logCount("calculateCargoScore: carriable entities count: 0"), 1u);
    EXPECT_EQ(logCount("calculateCargoScore: to tradable entities found"), 1u);
}

TEST_F(CargoAppraisalTest, PricesComeFromTheListElseFromTheBasePriceTimesScore) {
    startWith("PriceScale=2.0\n", "Perfect Buck Pelt=4.50\nGood Buck Pelt=0\nPoor Buck Pelt=-2\n");
    const int32_t listed = cargo(horse(), "a_c_buck_01", true, 2);
    const int32_t zero = cargo(horse(), "a_c_buck_01", true, 1);
    const int32_t negative = cargo(horse(), "a_c_buck_01", true, 0);
    const int32_t unlisted = cargo(horse(), "a_c_boar_01", false, 2, 0.8f);
    EXPECT_EQ(appraiser().calculatePrice(listed), 900);
    // trade.base_price=1.5 times the score (1.0, 0.5, 1.2), times 2.
    EXPECT_EQ(appraiser().calculatePrice(zero), 300);
    EXPECT_EQ(appraiser().calculatePrice(negative), 150);
    EXPECT_EQ(logCount("WARN: AnimalPrices.dat: key Poor Buck Pelt, value \"-2\""), 1u);
    EXPECT_EQ(appraiser().calculatePrice(unlisted), 360);
}

// Bad data can neither make money nor take it: a bad list price falls back to the base price, a
// bad base price leaves no price (0, which the buyer declines), a negative scale counts as 0 and
// one that is not finite as 1.0.
TEST_F(CargoAppraisalTest, BadPricesAndScalesStayWithinTheirBounds) {
    startWith("", "Perfect Buck Pelt=inf\nGood Buck Pelt=1e30\nPoor Buck Pelt=-3\n",
              "trade.init.max_dist=3\n");
    const int32_t infinite = cargo(horse(), "a_c_buck_01", true, 2);
    const int32_t huge = cargo(horse(), "a_c_buck_01", true, 1);
    const int32_t negative = cargo(horse(), "a_c_buck_01", true, 0);
    auto& settings = bf::runtime().settings;
    auto& meta = plugin().data().generalMeta();
    struct Case {
        const char* scale;
        const char* base;
        int32_t infinite, huge, negative;
    };
    const Case cases[] = {
        // No base price: nothing is paid for anything.
        {"1.0", nullptr, 0, 0, 0},
        // Base 1.5 a score point (scores 1.5, 1.0, 0.5).
        {"1.0", "1.5", 225, 150, 75},
        {"-1", "1.5", 0, 0, 0},
        {"inf", "1.5", 225, 150, 75},
        {"1e30", "1.5", 1000000, 1000000, 1000000},
        {"-1", "-2", 0, 0, 0},
        {"1.0", "inf", 0, 0, 0},
        {"1.0", "20000", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.scale) + " " + (c.base ? c.base : "none"));
        settings["PriceScale"] = c.scale;
        if (c.base) {
            writeDataFile("GeneralMeta.dat", std::string("trade.base_price=") + c.base + "\n");
            meta.load();
        }
        EXPECT_EQ(appraiser().calculatePrice(infinite), c.infinite);
        EXPECT_EQ(appraiser().calculatePrice(huge), c.huge);
        EXPECT_EQ(appraiser().calculatePrice(negative), c.negative);
    }
    EXPECT_GT(logCount("WARN: AnimalPrices.dat: key Perfect Buck Pelt, value \"inf\""), 0u);
    EXPECT_GT(logCount("WARN: AnimalPrices.dat: key Good Buck Pelt, value \"1e30\""), 0u);
    EXPECT_GT(logCount("WARN: Settings.ini: key PriceScale, value \"inf\""), 0u);
    EXPECT_GT(logCount("WARN: GeneralMeta.dat: key trade.base_price, value \"inf\""), 0u);
    EXPECT_GT(logCount("WARN: calculatePrice: no price for \"Perfect Buck Pelt\""), 0u);
}

}  // namespace
