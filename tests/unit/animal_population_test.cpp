// The population store and its files, depletion, development and the periodic save.
#include "animals/animal_population.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "animals/population_update.h"
#include "core/runtime.h"
#include "data/dict_data_file.h"
#include "plugin_fixture.h"
#include "sim/world/hash.h"

namespace {

constexpr uint32_t kHeartlands = 0x07D4FF5F;
constexpr uint32_t kCumberland = 0x6D67801E;
constexpr uint32_t kGuarma = 0xE1736CD7;
constexpr uint32_t kDeer = 0x8B6B0B51;  // a type hash with the top bit set

class PopulationTest : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        start();
    }
    bf::AnimalPopulationManager& population() { return plugin().population(); }
    bool exists(const std::string& name) const {
        return std::filesystem::exists(dataPath("AnimalsPopulation/" + name));
    }
    void playAs(const char* model) {
        game().world().entities.find(game().world().player.ped)->model = sim::gameHash(model);
    }
};

TEST_F(PopulationTest, FactorsReadStoreAndRefuse) {
    auto& p = population();
    EXPECT_EQ(p.populationFactor(0, kDeer), -1.0f);
    EXPECT_EQ(p.populationFactor(kHeartlands, 0), -1.0f);
    EXPECT_FALSE(p.setPopulationFactor(0, kDeer, 0.5f));
    EXPECT_FALSE(p.setPopulationFactor(kHeartlands, 0, 0.5f));
    for (float refused : {0.0f, -0.25f, 1.0001f, std::nanf("")})
        EXPECT_FALSE(p.setPopulationFactor(kHeartlands, kDeer, refused)) << refused;
    EXPECT_EQ(p.populationFactor(kHeartlands, kDeer), 1.0f) << "unseen: 1.0, key added";
    EXPECT_TRUE(p.setPopulationFactor(kCumberland, kDeer, 1.0f));
    EXPECT_TRUE(p.setPopulationFactor(kGuarma, kDeer, 0.25f));
    EXPECT_EQ(p.populationFactor(kGuarma, kDeer), 0.25f);
    p.saveAll();
    EXPECT_FALSE(exists("0.dat"));
    EXPECT_EQ(readDataFile("AnimalsPopulation/-512529193.dat"), "-1955919023=0.250000\n");
    EXPECT_EQ(readDataFile("AnimalsPopulation/131399519.dat"), "-1955919023=1.000000\n");
}

TEST_F(PopulationTest, DevelopmentStaysOutOfTheStoredFactor) {
    auto& p = population();
    p.characterFile().setFloat("development_factor", 1.5f);
    EXPECT_EQ(p.effectiveFactor(kHeartlands, kDeer), 1.0f);
    EXPECT_NEAR(p.deplete(kHeartlands, kDeer, 0.9f), 0.9f, 1e-6f);
    EXPECT_NEAR(p.populationFactor(kHeartlands, kDeer), 0.6f, 1e-6f);
    const std::string before = log();
    EXPECT_EQ(p.deplete(kCumberland, kDeer, -999.0f), 1.0f) << "no rate: no change";
    EXPECT_EQ(log().find("updating animal population factor", before.size()), std::string::npos);

    p.characterFile().setFloat("development_factor", 0.5f);
    EXPECT_EQ(p.developmentFactor(), 1.0f);
    EXPECT_EQ(p.characterFile().getString("development_factor"), "1");
}

TEST_F(PopulationTest, CharacterFileFollowsThePlayerModel) {
    auto& p = population();
    playAs("player_three");
    p.characterFile().setFloat("development_factor", 2.0f);
    playAs("player_zero");
    EXPECT_EQ(p.developmentFactor(), 1.0f);
    playAs("player_three");
    EXPECT_EQ(p.developmentFactor(), 2.0f);
    p.saveAll();
    EXPECT_NE(readDataFile("AnimalsPopulation/PopulationStatus.John.dat")
                  .find("development_factor=2.000000"),
              std::string::npos);
    EXPECT_NE(readDataFile("AnimalsPopulation/PopulationStatus.Arthur.dat")
                  .find("development_factor=1\n"),
              std::string::npos);
}

TEST_F(PopulationTest, DevelopmentWaitsOneGameDayAfterTheFirstStamp) {
    auto& p = population();
    bf::DictDataFile& arthur = p.characterFile();
    const int32_t stamp = arthur.getInt("last_development_timestamp", -999);
    EXPECT_GT(stamp, 0) << "the first update starts the development clock";
    const int32_t almostADayAgo =
        static_cast<int32_t>(game().clockA()) - bf::kDevelopmentPeriod + 3;
    arthur.setInt("last_development_timestamp", almostADayAgo);
    game().runFrames(2);
    EXPECT_EQ(p.developmentFactor(), 1.0f);
    game().runFrames(4);
    EXPECT_NE(log().find("AnimalPopulationManager: performing animal population development"),
              std::string::npos);
    EXPECT_NE(log().find("updating population development factor to: 1.100000"), std::string::npos);
    EXPECT_NEAR(p.developmentFactor(), 1.1f, 1e-6f);
    EXPECT_GE(arthur.getInt("last_development_timestamp", 0),
              almostADayAgo + bf::kDevelopmentPeriod);
    game().runFrames(30);
    EXPECT_NEAR(p.developmentFactor(), 1.1f, 1e-6f) << "one period per day";
}

// Fails its first write half-way, as a full disk would.
class FailingFile : public bf::DictDataFile {
  public:
    using DictDataFile::DictDataFile;
    static inline int failures = 1;

  protected:
    bool writeEntries(std::ostream& out) const override {
        if (failures == 0) return DictDataFile::writeEntries(out);
        --failures;
        out << "half";
        return false;
    }
};

TEST_F(PopulationTest, SaveThatFailsHalfWayKeepsTheOldFileAndRetries) {
    writeDataFile("AnimalsPopulation/131399519.dat", "-1955919023=0.500000\n");
    bf::AnimalPopulationManager p(
        [](const std::string& path) { return std::make_unique<FailingFile>(path); });
    ASSERT_TRUE(p.loadCharacterFiles());
    EXPECT_EQ(p.populationFactor(kHeartlands, kDeer), 0.5f);
    ASSERT_TRUE(p.setPopulationFactor(kHeartlands, kDeer, 0.25f));
    FailingFile::failures = 1;
    p.saveAll();
    EXPECT_EQ(readDataFile("AnimalsPopulation/131399519.dat"), "-1955919023=0.500000\n");
    EXPECT_FALSE(exists("131399519.dat.tmp"));
    EXPECT_NE(log().find("ERROR: failed to save file"), std::string::npos);
    p.saveAll();
    EXPECT_EQ(readDataFile("AnimalsPopulation/131399519.dat"), "-1955919023=0.250000\n");
}

TEST_F(PopulationTest, PeriodicSaveWritesChangedFilesAfterThePeriod) {
    population().setPopulationFactor(kHeartlands, kDeer, 0.5f);
    game().advance(119 * 1000);
    EXPECT_FALSE(exists("131399519.dat"));
    game().advance(2 * 1000);
    EXPECT_EQ(readDataFile("AnimalsPopulation/131399519.dat"), "-1955919023=0.500000\n");
    EXPECT_NE(readDataFile("AnimalsPopulation/PopulationStatus.Arthur.dat")
                  .find("last_development_timestamp="),
              std::string::npos);
}

}  // namespace
