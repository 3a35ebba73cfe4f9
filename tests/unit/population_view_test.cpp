// brackenfold-check --population: each character's effective factors, most depleted first.
#include "check/population_view.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/game_hash.h"

namespace {

namespace fs = std::filesystem;

std::string id(uint32_t value) {
    return std::to_string(static_cast<int32_t>(value));
}

class PopulationViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("brackenfold-population-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "AnimalsPopulation");
    }
    void TearDown() override { fs::remove_all(dir_); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / "AnimalsPopulation" / name) << text;
    }
    fs::path dir_;
};

TEST_F(PopulationViewTest, EachCharacterSeesFactorsTimesHisDevelopmentMostDepletedFirst) {
    const std::string deer = id(bf::literalGameHash("deer"));
    const std::string rabbit = id(bf::literalGameHash("rabbit"));
    const std::string heartlands = id(0x07D4FF5F), guarma = id(0xE1736CD7);
    write(heartlands + ".dat", deer + "=0.5\n" + rabbit + "=0.95\n");
    // A stored 0 reads as untouched; a type the view cannot name keeps its id.
    write(guarma + ".dat", deer + "=0.2\n" + rabbit + "=0\n12345=0.7\n");
    write("PopulationStatus.John.dat", "development_factor=0.5\n");  // below 1 counts as 1
    write("PopulationStatus.Arthur.dat", "development_factor=1.5\n");

    const auto view = bfcheck::readPopulation(dir_);
    ASSERT_EQ(view.size(), 2u);
    const struct {
        const char* district;
        const char* animal;
        float john, arthur;
    } expected[] = {
        {"Guarma", "deer", 0.2f, 0.3f},       {"Heartlands", "deer", 0.5f, 0.75f},
        {"Guarma", "type 12345", 0.7f, 1.0f}, {"Heartlands", "rabbit", 0.95f, 1.0f},
        {"Guarma", "rabbit", 1.0f, 1.0f},
    };
    EXPECT_EQ(view[0].character, "John");
    EXPECT_FLOAT_EQ(view[0].development, 1.0f);
    EXPECT_EQ(view[1].character, "Arthur");
    EXPECT_FLOAT_EQ(view[1].development, 1.5f);
    ASSERT_EQ(view[0].rows.size(), std::size(expected));
    ASSERT_EQ(view[1].rows.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(view[0].rows[i].district, expected[i].district);
        EXPECT_EQ(view[0].rows[i].animal, expected[i].animal);
        EXPECT_FLOAT_EQ(view[0].rows[i].factor, expected[i].john);
    }
    // Arthur's order differs where his development lifts two types to full.
    EXPECT_FLOAT_EQ(view[1].rows[0].factor, 0.3f);
    EXPECT_FLOAT_EQ(view[1].rows[1].factor, 0.75f);
    for (size_t i = 2; i < view[1].rows.size(); ++i)
        EXPECT_FLOAT_EQ(view[1].rows[i].factor, 1.0f);

    const std::string text = bfcheck::populationText(view);
    EXPECT_NE(text.find("Guarma               deer         [####................] 0.20"),
              std::string::npos)
        << text;
    EXPECT_LT(text.find("0.20"), text.find("0.50"));
    const std::string svg = bfcheck::populationSvg(view);
    EXPECT_NE(svg.find("width=\"72\""), std::string::npos);  // 0.2 of the 360-wide bar
    EXPECT_LT(svg.find(">John ("), svg.find(">Arthur ("));
}

TEST_F(PopulationViewTest, AnUnhuntedWorldIsFull) {
    const auto view = bfcheck::readPopulation(dir_);
    ASSERT_EQ(view.size(), 2u);
    EXPECT_TRUE(view[0].rows.empty());
    EXPECT_NE(bfcheck::populationText(view).find("every population is full"), std::string::npos);
}

}  // namespace
