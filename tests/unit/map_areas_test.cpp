// The map-area tracker (confirmation, cancel, kinds, subscribers) and the district table.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "animals/map_area_tracker.h"
#include "core/runtime.h"
#include "plugin_fixture.h"
#include "world/map_districts.h"

namespace {

constexpr uint32_t kHeartlands = 0x07D4FF5F;
constexpr uint32_t kCumberland = 0x6D67801E;
constexpr uint32_t kValentine = 0x1B6880B3;

class Recorder : public bf::EventsSubscriber<bf::MapAreaChangeData> {
  public:
    explicit Recorder(std::vector<std::pair<const Recorder*, bf::MapAreaChangeData>>& log)
        : log_(log) {}
    void onEvent(const bf::MapAreaChangeData& change) override { log_.push_back({this, change}); }

  private:
    std::vector<std::pair<const Recorder*, bf::MapAreaChangeData>>& log_;
};

class MapAreaTrackerTest : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        bf::runtime().playerPed = game().world().player.ped;
        tracker.subscribe(recorder);
    }
    // The player stands at (x, y) and the tracker runs once.
    void at(float x, float y) {
        game().world().entities.find(game().world().player.ped)->position = {x, y, 100.0f};
        tracker.onFrame();
    }

    std::vector<std::pair<const Recorder*, bf::MapAreaChangeData>> changes;
    Recorder recorder{changes};
    bf::MapAreaTracker tracker{bf::kZoneDistrict, 30.0f};
};

TEST_F(MapAreaTrackerTest, FirstAreaIsReportedOnTheSecondUpdate) {
    at(1000.0f, 1000.0f);
    EXPECT_TRUE(changes.empty());
    at(1000.0f, 1000.0f);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].second.previousArea, bf::kNoArea);
    EXPECT_EQ(changes[0].second.newArea, kHeartlands);
    EXPECT_EQ(changes[0].second.areaKind, bf::kZoneDistrict);
    EXPECT_EQ(changes[0].second.position.y, 1000.0f);
}

TEST_F(MapAreaTrackerTest, CrossingIsReportedOnlyPastTheConfirmDistance) {
    at(1000.0f, 1000.0f);
    at(1000.0f, 1000.0f);
    changes.clear();
    // The Heartlands-Cumberland border crosses x = 1000 near y = 1089.
    for (float y : {1100.0f, 1110.0f, 1125.0f, 1130.0f})
        at(1000.0f, y);
    EXPECT_TRUE(changes.empty()) << "still within 30 m of the crossing point";
    at(1000.0f, 1131.0f);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].second.previousArea, kHeartlands);
    EXPECT_EQ(changes[0].second.newArea, kCumberland);
    EXPECT_EQ(changes[0].second.areaKind, bf::kZoneDistrict);
    EXPECT_EQ(changes[0].second.position.y, 1100.0f) << "where the change was first seen";
    at(1000.0f, 1200.0f);
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(MapAreaTrackerTest, CrossingUndoneWithinTheConfirmDistanceReportsNothing) {
    at(1000.0f, 1000.0f);
    at(1000.0f, 1000.0f);
    changes.clear();
    for (float y : {1100.0f, 1080.0f, 1075.0f, 1000.0f, 900.0f, 900.0f})
        at(1000.0f, y);
    EXPECT_TRUE(changes.empty());
}

TEST_F(MapAreaTrackerTest, TownEntryHasKindOneAndExitTheDistrictKind) {
    at(-283.0f, 960.0f);
    at(-283.0f, 960.0f);
    changes.clear();
    at(-283.0f, 800.0f);
    at(-283.0f, 700.0f);
    at(-283.0f, 700.0f);
    at(-283.0f, 950.0f);
    at(-283.0f, 1000.0f);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].second.previousArea, kHeartlands);
    EXPECT_EQ(changes[0].second.newArea, kValentine);
    EXPECT_EQ(changes[0].second.areaKind, bf::kZoneTown);
    EXPECT_EQ(changes[1].second.previousArea, kValentine);
    EXPECT_EQ(changes[1].second.newArea, kHeartlands);
    EXPECT_EQ(changes[1].second.areaKind, bf::kZoneDistrict);
}

TEST_F(MapAreaTrackerTest, SubscribersAreToldOnceInSubscriptionOrderAndLeaveWhenDestroyed) {
    Recorder second{changes};
    auto third = std::make_unique<Recorder>(changes);
    auto gone = std::make_unique<Recorder>(changes);
    tracker.subscribe(*gone);
    tracker.subscribe(*third);
    tracker.subscribe(second);
    tracker.subscribe(*third);
    const Recorder* thirdAddress = third.get();
    gone.reset();
    at(1000.0f, 1000.0f);
    at(1000.0f, 1000.0f);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].first, &recorder);
    EXPECT_EQ(changes[1].first, thirdAddress);
    EXPECT_EQ(changes[2].first, &second);
    for (const auto& change : changes)
        EXPECT_EQ(change.second.newArea, changes[0].second.newArea);

    // A subscriber that outlives its publisher is let go rather than left pointing at it.
    {
        bf::MapAreaTracker shortLived{bf::kZoneDistrict, 30.0f};
        shortLived.subscribe(*third);
    }
    third.reset();
}

TEST(MapDistricts, TablesAndNearestTown) {
    bf::PlacesList places;
    bf::WorldPositionTable positions;
    const bf::TownRecords towns = bf::buildTownRecords(false);
    const bf::MapDistricts districts(places, positions, towns);

    EXPECT_EQ(*districts.districtName(0xE1736CD7), "Guarma");
    EXPECT_EQ(districts.districtName(0x12345678), nullptr);
    const struct {
        uint32_t area;
        const char* town;
    } serving[] = {{0x07D4FF5F, "Valentine"},  {0xE3CDCF62, "Valentine"},
                   {0x8016C23F, "Tumbleweed"}, {0x8BECCBA3, "Annesburg"},
                   {0x3108C492, "Strawberry"}, {0xD25EC74F, "Saint Denis"}};
    for (const auto& s : serving) {
        ASSERT_NE(districts.servingTown(s.area), nullptr) << std::hex << s.area;
        EXPECT_EQ(districts.servingTown(s.area)->name, s.town);
    }
    EXPECT_EQ(districts.servingTown(kCumberland), nullptr);
    EXPECT_EQ(districts.servingTown(0x3108C492), districts.servingTown(0x197DEE02))
        << "one record per town, shared by its area ids";

    const struct {
        bf::Vector3 at;
        const char* town;
    } nearest[] = {{{-150.0f, 300.0f, 97.0f}, "Valentine"},
                   {{1700.0f, -1000.0f, 40.0f}, "Rhodes"},
                   {{2000.0f, -1100.0f, 40.0f}, "Saint Denis"},
                   {{-5000.0f, -3000.0f, 0.0f}, "Tumbleweed"}};
    for (const auto& n : nearest) {
        const auto town = districts.nearestTown(n.at);
        ASSERT_NE(town, nullptr);
        EXPECT_EQ(town->name, n.town) << n.at.x << "," << n.at.y;
    }
    EXPECT_EQ(districts.nearestTown({20000.0f, 20000.0f, 0.0f}), nullptr) << "beyond 9999 m";
    EXPECT_EQ(bf::MapDistricts(places, positions, {}).nearestTown({}), nullptr);
}

}  // namespace
