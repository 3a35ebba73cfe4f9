#include "world/map_districts.h"

#include <cmath>
#include <initializer_list>

namespace bf {

namespace {

constexpr float kNoTownFartherThan = 9999.0f;

// Extra area ids (districts, town quarters) served by each town besides its own id.
struct ServedAreas {
    uint32_t town;
    std::initializer_list<uint32_t> areas;
};

const ServedAreas kServedAreas[] = {
    {kTownValentine, {0xE3CDCF62, 0x07D4FF5F /* Heartlands */}},
    {kTownRhodes, {}},
    {kTownSaintDenis, {}},
    {kTownBlackwater, {}},
    {kTownArmadillo, {}},
    {kTownTumbleweed, {0x8016C23F /* Rio Bravo */}},
    {kTownAnnesburg, {0x7EBD16BD, 0x8BECCBA3}},
    {kTownStrawberry, {0x3108C492 /* Big Valley */}},
};

}  // namespace

MapDistricts::MapDistricts(PlacesList& places, const WorldPositionTable& worldPositions,
                           const TownRecords& towns)
    : districtNames_{
          {0x78BFE1AC, "Bayou Nwa"},        {0x3108C492, "Big Valley"},
          {0x4DFA0B50, "Bluewater Marsh"},  {0xF9831C72, "Cholla Springs"},
          {0x6D67801E, "Cumberland"},       {0x19700C95, "Diez Coronas"},
          {0x84D7AD0E, "Gaptooth Ridge"},   {0x1C68EA97, "Great Plains"},
          {0xF8D68DC1, "Grizzlies East"},   {0x62162401, "Grizzlies West"},
          {0xE1736CD7, "Guarma"},           {0x07D4FF5F, "Heartlands"},
          {0x35390B10, "Hennigans Stead"},  {0xB1531168, "Perdido"},
          {0x56A7C746, "Punta Orgullo"},    {0x8016C23F, "Rio Bravo"},
          {0x0AA5F25D, "Roanoke"},          {0xCC7C3314, "Scarlett Meadows"},
          {0x6467EF09, "Tall Trees"},
      },
      places_(places),
      worldPositions_(worldPositions) {
    for (const ServedAreas& served : kServedAreas) {
        for (const auto& record : towns) {
            if (record->id != served.town) continue;
            servingTowns_[served.town] = record;
            for (uint32_t area : served.areas)
                servingTowns_[area] = record;
        }
    }
}

const std::string* MapDistricts::districtName(uint32_t district) const {
    const auto it = districtNames_.find(district);
    return it == districtNames_.end() ? nullptr : &it->second;
}

const TownRecord* MapDistricts::servingTown(uint32_t area) const {
    const auto it = servingTowns_.find(area);
    return it == servingTowns_.end() ? nullptr : it->second.get();
}

std::shared_ptr<const TownRecord> MapDistricts::nearestTown(Vector3 position) const {
    float best = kNoTownFartherThan;
    std::shared_ptr<const TownRecord> nearest;
    for (const auto& [area, town] : servingTowns_) {
        const float d = length(town->centre - position);
        if (d < best) {
            best = d;
            nearest = town;
        }
    }
    return nearest;
}

}  // namespace bf
