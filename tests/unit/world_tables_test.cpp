// The world tables: the fixed positions, the places list and the town records.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <tuple>

#include "core/runtime.h"
#include "plugin_fixture.h"
#include "world/towns.h"
#include "world/world_tables.h"

namespace {

constexpr uint64_t kCreateScenarioPoint = 0xE143FA2249364369;
constexpr uint64_t kDeleteScenarioPoint = 0x81948DFE4F5A0283;

class WorldTablesTest : public PluginTest {};

TEST_F(WorldTablesTest, WorldPositionTableHoldsTheTwelveEntries) {
    const auto table = bf::buildWorldPositionTable();
    ASSERT_EQ(table->size(), 12u);
    const struct {
        int32_t id;
        float x, y, z;
    } rows[] = {{0, -180.543f, 629.124f, 114.09f},
                {4, 2749.14f, -1400.79f, 46.1927f},
                {7, -1765.09f, -383.61f, 157.737f},
                {10, -3729.61f, -2603.14f, -12.9377f},
                {11, -5230.35f, -3468.04f, -20.5129f}};
    for (const auto& r : rows) {
        const bf::Vector3 v = table->at(r.id);
        EXPECT_EQ(v.x, r.x);
        EXPECT_EQ(v.y, r.y);
        EXPECT_EQ(v.z, r.z);
    }
}

TEST_F(WorldTablesTest, PlacesAreNumberedAndListedByArea) {
    game().setRecording(true);
    auto list = bf::buildPlacesList();
    EXPECT_EQ(list->all().size(), 8u) << "one area per builder step";
    uint32_t expectedId = 0;
    std::vector<uint32_t> ids;
    for (const auto& [area, places] : list->all())
        for (const auto& place : places)
            ids.push_back(place->id);
    std::sort(ids.begin(), ids.end());
    for (uint32_t id : ids)
        EXPECT_EQ(id, expectedId++);
    const auto blackwater = list->all().find(bf::kTownBlackwater);
    ASSERT_NE(blackwater, list->all().end());
    ASSERT_FALSE(blackwater->second.empty());
    EXPECT_EQ(blackwater->second[0]->name, "Lake Don Julio House");
    EXPECT_EQ(blackwater->second[0]->area, bf::kTownBlackwater);

    // The game looks for an object of the scenario's hash and creates none: no place gets a
    // point, and there is nothing to delete. The first call pins the argument order.
    const auto asked = game().recordedOf(kCreateScenarioPoint);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked[0].args[3], std::bit_cast<uint32_t>(10.0f));
    EXPECT_EQ(asked[0].args[4], sim::gameHash("PROP_HUMAN_SEAT_CHAIR_CIGAR"));
    EXPECT_TRUE(game().world().scenarioPoints.all().empty());
    list.reset();
    EXPECT_TRUE(game().recordedOf(kDeleteScenarioPoint).empty());
}

TEST_F(WorldTablesTest, APointTheGameRefusesIsNotAdded) {
    game().natives().override(kCreateScenarioPoint, [](sim::NativeCall& c) { c.ret(0); });
    bf::Place place(0, 1, {0.0f, 0.0f, 0.0f}, 50.0f, 0, nullptr, "Camp");
    place.addScenarioPoint({1.0f, 0.0f, 0.0f}, 0.0f, "PROP_HUMAN_SEAT_CHAIR_CIGAR");
    place.addScenarioRecord({2.0f, 0.0f, 0.0f}, 90.0f, "WORLD_HUMAN_STAND_FISHING");
    ASSERT_EQ(place.points.size(), 1u);
    EXPECT_EQ(place.points[0].scenario, "WORLD_HUMAN_STAND_FISHING");
    EXPECT_FALSE(place.points[0].point);
}

TEST_F(WorldTablesTest, TownRecordsCarryTheirIdsAndFirstStartPoints) {
    const auto towns = bf::buildTownRecords(false);
    ASSERT_EQ(towns.size(), 8u);
    std::map<std::string, const bf::TownRecord*> byName;
    for (const auto& t : towns)
        byName[t->name] = t.get();
    EXPECT_EQ(byName.at("Valentine")->id, 0x1B6880B3u);
    EXPECT_EQ(byName.at("Annesburg")->id, 0x00704B67u);
    EXPECT_EQ(byName.at("Blackwater")->radius, 200.0f);
    const struct {
        const char* town;
        size_t index;
        float x, y, z;
    } rows[] = {{"Blackwater", 0, -999.56f, -1740.29f, 73.6095f},
                {"Blackwater", 1, -2187.83f, -1563.26f, 150.772f},
                {"Saint Denis", 0, 1833.76f, -1070.07f, 40.7458f},
                {"Saint Denis", 1, 1749.88f, -920.909f, 40.036f},
                {"Valentine", 0, -145.367f, 256.394f, 97.4866f},
                {"Valentine", 1, -661.155f, 273.297f, 90.8841f}};
    for (const auto& r : rows) {
        const bf::Vector3 p = byName.at(r.town)->startPoints.at(r.index);
        EXPECT_EQ(p.x, r.x) << r.town;
        EXPECT_EQ(p.y, r.y) << r.town;
        EXPECT_EQ(p.z, r.z) << r.town;
    }
    const auto& valentine = byName.at("Valentine")->startPoints;
    EXPECT_EQ(valentine.at(3).y, 2181.84f) << "grizzlies points follow the first two";
    const auto without = bf::buildTownRecords(true);
    EXPECT_EQ(without[0]->startPoints.size(), valentine.size() - 6);
}

// The shipped spawn places and the towns' camp spots are what tools/gen_animal_spawns.py makes:
// a hand edit of either, or a generator change not carried over, fails here.
TEST(ShippedData, CampSpotsAndSpawnPlacesAreWhatTheGeneratorMakes) {
#ifndef BRACKENFOLD_GENERATED_DIR
    GTEST_SKIP() << "python3 was not found at configure time";
#else
    const std::string dir = BRACKENFOLD_GENERATED_DIR;
    std::ifstream generatedSpawns(dir + "/AnimalSpawns.dat", std::ios::binary);
    std::ifstream shippedSpawns(std::string(BRACKENFOLD_DIST_DIR) + "/AnimalSpawns.dat",
                                std::ios::binary);
    std::stringstream generated, shipped;
    generated << generatedSpawns.rdbuf();
    shipped << shippedSpawns.rdbuf();
    ASSERT_FALSE(generated.str().empty());
    EXPECT_TRUE(generated.str() == shipped.str())
        << "dist/Brackenfold/AnimalSpawns.dat differs from the generator's output";

    // "Town N + G" then N rows, "grizzlies:" then G rows, each "{x, y, z}," as C++ floats.
    std::map<std::string, std::pair<std::vector<bf::Vector3>, std::vector<bf::Vector3> > > printed;
    std::ifstream spots(dir + "/camp_spots.txt");
    const std::regex header(R"(^(\S.*) (\d+) \+ (\d+)$)");
    const std::regex row(R"(^  \{(-?[0-9.e+-]+)f, (-?[0-9.e+-]+)f, (-?[0-9.e+-]+)f\},$)");
    std::string line, town;
    bool grizzlies = false;
    for (std::smatch m; std::getline(spots, line);) {
        if (std::regex_match(line, m, header)) {
            town = m[1];
            grizzlies = false;
        } else if (line == "  grizzlies:") {
            grizzlies = true;
        } else if (std::regex_match(line, m, row)) {
            const bf::Vector3 p{std::stof(m[1]), std::stof(m[2]), std::stof(m[3])};
            (grizzlies ? printed[town].second : printed[town].first).push_back(p);
        }
    }
    const auto key = [](const bf::Vector3& p) { return std::tuple(p.x, p.y, p.z); };
    const auto keys = [&](const std::vector<bf::Vector3>& list) {
        std::vector<std::tuple<float, float, float> > out;
        for (const auto& p : list)
            out.push_back(key(p));
        return out;
    };
    const auto withGrizzlies = bf::buildTownRecords(false);
    const auto without = bf::buildTownRecords(true);
    ASSERT_EQ(printed.size(), without.size());
    for (size_t t = 0; t < without.size(); ++t) {
        const auto& [normal, mountains] = printed.at(without[t]->name);
        EXPECT_EQ(keys(without[t]->startPoints), keys(normal)) << without[t]->name;
        auto all = keys(normal);
        for (const auto& k : keys(mountains))
            all.push_back(k);
        auto built = keys(withGrizzlies[t]->startPoints);
        std::sort(all.begin(), all.end());
        std::sort(built.begin(), built.end());
        EXPECT_EQ(built, all) << without[t]->name << " with the grizzlies";
    }
#endif
}

TEST_F(WorldTablesTest, StartUpBuildsTheTables) {
    start();
    EXPECT_EQ(plugin().worldPositions().size(), 12u);
    EXPECT_EQ(plugin().places().all().size(), 8u);
    EXPECT_EQ(plugin().towns().size(), 8u);
}

}  // namespace
