// The world tables: the fixed positions, the places list and the town records.
#include <gtest/gtest.h>

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
    const auto blackwater = list->placesOf(bf::kTownBlackwater);
    ASSERT_FALSE(blackwater.empty());
    EXPECT_EQ(blackwater[0]->name, "Lake Don Julio House");
    EXPECT_EQ(blackwater[0]->area, bf::kTownBlackwater);
    EXPECT_TRUE(list->placesOf(0x12345678).empty());
    EXPECT_EQ(list->all().size(), 9u) << "a lookup of a new area inserts an empty list";

    // Every created point is a real game point; the first push pins the argument order.
    const auto created = game().recordedOf(kCreateScenarioPoint);
    ASSERT_FALSE(created.empty());
    EXPECT_EQ(created[0].args[3], std::bit_cast<uint32_t>(10.0f));
    EXPECT_EQ(created[0].args[4], sim::gameHash("PROP_HUMAN_SEAT_CHAIR_CIGAR"));
    EXPECT_EQ(game().world().scenarioPoints.all().size(), created.size());
    for (const auto& [area, places] : list->all())
        for (const auto& place : places)
            place->releasePoints();
    EXPECT_TRUE(game().world().scenarioPoints.all().empty());
    EXPECT_EQ(game().recordedOf(kDeleteScenarioPoint).size(), created.size());
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

TEST_F(WorldTablesTest, StartUpBuildsTheTables) {
    start();
    EXPECT_EQ(plugin().worldPositions().size(), 12u);
    EXPECT_EQ(plugin().places().all().size(), 8u);
    EXPECT_EQ(plugin().towns().size(), 8u);
}

}  // namespace
