// The population store and its files, depletion, development and the periodic save.
#include "animals/animal_population.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "animals/population_clock.h"
#include "core/runtime.h"
#include "data/dict_data_file.h"
#include "plugin_fixture.h"
#include "sim/world/animals.h"
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
    // Without a rate (the key missing reads -999) a kill changes, writes and logs nothing.
    p.saveAll();
    const std::string before = log();
    for (const float rate : {-999.0f, 0.0f, std::nanf("")}) {
        EXPECT_EQ(p.deplete(kCumberland, kDeer, rate), 1.0f) << rate;
        EXPECT_NEAR(p.deplete(kHeartlands, kDeer, rate), 0.9f, 1e-6f) << rate;
    }
    p.saveAll();
    const std::string after = log().substr(before.size());
    EXPECT_EQ(after.find("updating animal population factor"), std::string::npos) << after;
    EXPECT_EQ(after.find("saving"), std::string::npos) << after;
    EXPECT_FALSE(exists(std::to_string(static_cast<int32_t>(kCumberland)) + ".dat"));

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
    EXPECT_EQ(p.unsavedFiles(), 1);
    EXPECT_NE(log().find("WARN: AnimalPopulationManager: 1 population file(s) could not be saved"),
              std::string::npos);
    p.saveAll();
    EXPECT_EQ(readDataFile("AnimalsPopulation/131399519.dat"), "-1955919023=0.250000\n");
    EXPECT_EQ(p.unsavedFiles(), 0);
    EXPECT_NE(log().find("AnimalPopulationManager: every population file is saved again"),
              std::string::npos);
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
    // The next save waits a whole period again, however often the file changes meanwhile.
    population().setPopulationFactor(kHeartlands, kDeer, 0.25f);
    game().advance(100 * 1000);
    EXPECT_EQ(readDataFile("AnimalsPopulation/131399519.dat"), "-1955919023=0.500000\n");
    game().advance(25 * 1000);
    EXPECT_EQ(readDataFile("AnimalsPopulation/131399519.dat"), "-1955919023=0.250000\n");
}

TEST_F(PopulationTest, PeriodicSaveWritesOneDistrictAFrameWhileTheFrameGoesOn) {
    auto& p = population();
    ASSERT_TRUE(p.setPopulationFactor(kHeartlands, kDeer, 0.5f));
    ASSERT_TRUE(p.setPopulationFactor(kGuarma, kDeer, 0.25f));
    game().advance(119 * 1000);
    // Every frame around the save: which files are there, and a new animal that must get its size.
    std::vector<std::pair<bool, bool>> seen;
    std::vector<int32_t> rabbits;
    game().onFrameStart([&] {
        seen.emplace_back(exists("-512529193.dat"), exists("131399519.dat"));
        rabbits.push_back(sim::spawnPed(game(), *game().world().models.find("a_c_rabbit_01"),
                                        {1530.0f, 440.0f, 90.0f}, 0.0f, 1, 1.0f)
                              .handle);
    });
    game().runFrames(90);
    const auto guarma = std::find(seen.begin(), seen.end(), std::make_pair(true, false));
    ASSERT_NE(guarma, seen.end()) << "Guarma (the lower id) first, alone for one frame";
    ASSERT_NE(guarma + 1, seen.end());
    EXPECT_EQ(guarma[1], std::make_pair(true, true)) << "Heartlands in the next frame";
    for (const int32_t rabbit : rabbits) {
        const sim::Entity* e = game().world().entities.find(rabbit);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->decorators.count("VX_Brackenfold_Scale"), 1u) << "the pump ran every frame";
    }
}

TEST_F(PopulationTest, AnUnreadableValueIsReadAsAbsentAndItsFileKeptAtTheNextSave) {
    for (const char* bad : {"abc", "1e309", "1e-40"}) {
        const std::string damaged = std::string("-1955919023=") + bad + "\n-7=0.5\n";
        bf::stopPlugin();
        std::filesystem::remove(dataPath("AnimalsPopulation/131399519.dat.bad"));
        writeDataFile("AnimalsPopulation/131399519.dat", damaged);
        writeDataFile("AnimalsPopulation/PopulationStatus.Arthur.dat",
                      std::string("development_factor=") + bad + "\n");
        start();
        auto& p = population();
        EXPECT_EQ(p.effectiveFactor(kHeartlands, kDeer), 1.0f) << bad;
        EXPECT_EQ(p.populationFactor(kHeartlands, static_cast<uint32_t>(-7)), 0.5f) << bad;
        EXPECT_NE(log().find(std::string("131399519.dat: key -1955919023, value \"") + bad),
                  std::string::npos)
            << bad;
        EXPECT_NE(log().find(std::string("PopulationStatus.Arthur.dat: key development_factor, "
                                         "value \"") +
                             bad),
                  std::string::npos)
            << bad;
        p.saveAll();
        EXPECT_EQ(readDataFile("AnimalsPopulation/131399519.dat.bad"), damaged) << bad;
        EXPECT_EQ(readDataFile("AnimalsPopulation/131399519.dat"), "-1955919023=1.000000\n-7=0.5\n")
            << bad;
        EXPECT_TRUE(exists("PopulationStatus.Arthur.dat.bad")) << bad;
        EXPECT_TRUE(game().failed() == false);
        std::filesystem::remove(dataPath("AnimalsPopulation/PopulationStatus.Arthur.dat.bad"));
    }
}

TEST_F(PopulationTest, AKillCountsAndReadsBackUnderAHugeDevelopmentFactor) {
    auto& p = population();
    for (const float development : {1.2e6f, 1e30f}) {
        p.characterFile().setFloat("development_factor", development);
        p.setPopulationFactor(kHeartlands, kDeer, 1.0f);
        EXPECT_NEAR(p.deplete(kHeartlands, kDeer, 0.85f), 0.85f, 1e-6f) << development;
        p.saveAll();
        bf::DictDataFile district("Brackenfold/AnimalsPopulation/131399519.dat");
        ASSERT_TRUE(district.load());
        EXPECT_NEAR(district.getFloat(bf::signedId(kDeer), 0.0f) * development, 0.85f, 1e-6f)
            << district.getString(bf::signedId(kDeer));
    }
    // Development stops at a finite factor; one that overflowed reads as absent.
    p.characterFile().setFloat("development_factor", 3e38f);
    p.develop(1.1f, 100);
    EXPECT_EQ(p.developmentFactor(), bf::kMaxDevelopmentFactor);
    EXPECT_NEAR(p.deplete(kCumberland, kDeer, 0.85f), 0.85f, 1e-6f);
    EXPECT_EQ(log().find("kill not recorded"), std::string::npos);
}

TEST_F(PopulationTest, AMissingOrZeroSavePeriodFallsBackToTwoMinutesWithOneWarning) {
    for (const char* period : {"save_freq_sec=0\n", "save_freq_sec=-5\n", ""}) {
        writeDataFile("GeneralMeta.dat", period);
        bf::stopPlugin();
        std::filesystem::remove_all(dataPath("AnimalsPopulation/131399519.dat"));
        start();
        population().setPopulationFactor(kHeartlands, kDeer, 0.5f);
        game().advance(60 * 1000);
        EXPECT_FALSE(exists("131399519.dat")) << period << ": not saved every frame";
        game().advance(61 * 1000);
        EXPECT_TRUE(exists("131399519.dat")) << period;
        // Named once with what is used instead.
        const std::string warning = std::string(period).empty()
                                        ? "WARN: GeneralMeta.dat lacks save_freq_sec; 120 is used"
                                        : "key save_freq_sec, value";
        EXPECT_EQ(logCount(warning), 1u) << period << "\n" << log();
    }
}

}  // namespace
