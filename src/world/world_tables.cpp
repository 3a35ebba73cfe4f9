#include "world/world_tables.h"

#include "core/natives.h"
#include "world/game_ops.h"
#include "world/towns.h"

namespace bf {

Place::Place(uint32_t placeId, uint32_t placeArea, Vector3 placeCentre, float placeRadius,
             int32_t placeKind, const char* placePedModel, std::string placeName)
    : id(placeId),
      area(placeArea),
      centre(placeCentre),
      radius(placeRadius),
      kind(placeKind),
      pedModel(placePedModel),
      name(std::move(placeName)) {}

Place::~Place() = default;

void Place::addScenarioPoint(Vector3 offset, float heading, const char* scenario) {
    const Vector3 at = centre + offset;
    const int32_t point = natives::getClosestObjectOfType(at, 10.0f, gameHash(scenario));
    if (point == 0) return;
    points.push_back({offset, heading, scenario, OwnedScenarioPoint(point)});
}

void Place::addScenarioRecord(Vector3 offset, float heading, const char* scenario) {
    points.push_back({offset, heading, scenario, OwnedScenarioPoint()});
}

Place& PlacesList::add(uint32_t area, Vector3 centre, float radius, int32_t kind,
                       const char* pedModel, std::string name) {
    auto& list = places_[area];
    list.push_back(
        std::make_unique<Place>(nextId_++, area, centre, radius, kind, pedModel, std::move(name)));
    return *list.back();
}

namespace {

// Kinds of place: 0 a homestead or camp, 1 a waterside spot, 2 a settlement.
constexpr int32_t kHomestead = 0;
constexpr int32_t kWaterside = 1;
constexpr int32_t kSettlement = 2;

void buildValentine(PlacesList& list) {
    Place& ranch = list.add(kTownValentine, {1420.56f, 295.318f, 88.5763f}, 110.0f, kHomestead,
                            "a_m_m_rancher_01", "Emerald Ranch");
    ranch.addScenarioPoint({3.5f, -2.0f, 0.0f}, 90.0f, "PROP_HUMAN_SEAT_CHAIR_CIGAR");
    ranch.addScenarioRecord({-12.0f, 6.0f, 0.0f}, 180.0f, "WORLD_HUMAN_SMOKE");
    Place& lake = list.add(kTownValentine, {-412.0f, 645.0f, 110.0f}, 60.0f, kWaterside, nullptr,
                           "Flat Iron Lake Shore");
    lake.addScenarioRecord({0.0f, 0.0f, 0.0f}, 270.0f, "WORLD_HUMAN_STAND_FISHING");
}

void buildRhodes(PlacesList& list) {
    Place& manor = list.add(kTownRhodes, {1010.68f, -1741.61f, 47.5929f}, 110.0f, kHomestead,
                            "a_m_m_rancher_01", "Braithwaite Manor");
    manor.addScenarioPoint({6.0f, 2.5f, 0.0f}, 45.0f, "PROP_HUMAN_SEAT_CHAIR_CIGAR");
}

void buildSaintDenis(PlacesList& list) {
    Place& docks = list.add(kTownSaintDenis, {2625.3f, -1505.27f, 45.9681f}, 70.0f, kWaterside,
                            nullptr, "Saint Denis Docks");
    docks.addScenarioRecord({2.0f, -4.0f, 0.0f}, 200.0f, "WORLD_HUMAN_STAND_FISHING");
}

void buildBlackwater(PlacesList& list) {
    Place& house = list.add(kTownBlackwater, {-2215.07f, -1326.1f, 113.28f}, 50.0f, kHomestead,
                            "a_m_m_rancher_01", "Lake Don Julio House");
    house.addScenarioPoint({1.5f, 3.0f, 0.0f}, 120.0f, "PROP_HUMAN_SEAT_CHAIR_CIGAR");
    Place& creek = list.add(kTownBlackwater, {-1397.76f, -1305.14f, 75.6914f}, 60.0f, kWaterside,
                            nullptr, "Stillwater Creek");
    creek.addScenarioRecord({0.0f, 0.0f, 0.0f}, 300.0f, "WORLD_HUMAN_STAND_FISHING");
    list.add(kTownBlackwater, {-1418.42f, -2295.23f, 43.2431f}, 110.0f, kSettlement, nullptr,
             "Thieves Landing");
}

void buildArmadillo(PlacesList& list) {
    Place& ranch = list.add(kTownArmadillo, {-2390.73f, -2387.99f, 61.4219f}, 110.0f, kHomestead,
                            "a_m_m_rancher_01", "MacFarlanes Ranch");
    ranch.addScenarioPoint({-4.0f, 1.0f, 0.0f}, 0.0f, "PROP_HUMAN_SEAT_CHAIR_CIGAR");
}

void buildTumbleweed(PlacesList& list) {
    list.add(kTownTumbleweed, {-5209.73f, -2133.62f, 12.3047f}, 70.0f, kHomestead, nullptr,
             "Rathskeller Fork");
}

void buildAnnesburg(PlacesList& list) {
    Place& mine = list.add(kTownAnnesburg, {2773.66f, 1368.83f, 71.0544f}, 60.0f, kSettlement,
                           nullptr, "Annesburg Mine");
    mine.addScenarioRecord({5.0f, 0.0f, 0.0f}, 90.0f, "WORLD_HUMAN_SMOKE");
}

void buildStrawberry(PlacesList& list) {
    Place& lake = list.add(kTownStrawberry, {-2159.21f, 742.004f, 118.417f}, 70.0f, kWaterside,
                           nullptr, "Lake Owanjila");
    lake.addScenarioRecord({0.0f, 0.0f, 0.0f}, 0.0f, "WORLD_HUMAN_STAND_FISHING");
}

}  // namespace

std::unique_ptr<PlacesList> buildPlacesList() {
    auto list = std::make_unique<PlacesList>();
    buildValentine(*list);
    buildRhodes(*list);
    buildSaintDenis(*list);
    buildBlackwater(*list);
    buildArmadillo(*list);
    buildTumbleweed(*list);
    buildAnnesburg(*list);
    buildStrawberry(*list);
    return list;
}

std::unique_ptr<WorldPositionTable> buildWorldPositionTable() {
    return std::make_unique<WorldPositionTable>(WorldPositionTable{
        {0, {-180.543f, 629.124f, 114.09f}},
        {1, {1521.5f, 439.356f, 90.6807f}},
        {2, {2931.73f, 1283.24f, 44.6528f}},
        {3, {2985.22f, 568.669f, 44.6279f}},
        {4, {2749.14f, -1400.79f, 46.1927f}},
        {5, {1233.22f, -1297.11f, 76.9048f}},
        {6, {-1298.77f, 401.872f, 95.3839f}},
        {7, {-1765.09f, -383.61f, 157.737f}},
        {8, {-1095.53f, -575.422f, 82.4099f}},
        {9, {-875.477f, -1328.74f, 43.958f}},
        {10, {-3729.61f, -2603.14f, -12.9377f}},
        {11, {-5230.35f, -3468.04f, -20.5129f}},
    });
}

}  // namespace bf
