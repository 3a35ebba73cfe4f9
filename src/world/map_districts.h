// The district table: the names of the map's nineteen districts and, for every town or district
// area that a town serves, that town's record; and the search for the town nearest a position,
// which places hunting competitions.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "core/vector3.h"
#include "world/towns.h"
#include "world/world_tables.h"

namespace bf {

class MapDistricts {
  public:
    // The places list and the world positions are kept for the features that place things in a
    // town's area; the towns give the records that the serving table shares between area ids.
    MapDistricts(PlacesList& places, const WorldPositionTable& worldPositions,
                 const TownRecords& towns);

    // The district's name; null for an id that is not one of the nineteen.
    const std::string* districtName(uint32_t district) const;
    // The town serving a town or district area; null when none does.
    const TownRecord* servingTown(uint32_t area) const;
    // The town whose centre is nearest to `position` (straight-line distance); null when the
    // table is empty or no centre lies within 9999 m. A town is weighed once per area id it
    // serves, in ascending id order, and only a strictly nearer one replaces the one kept.
    std::shared_ptr<const TownRecord> nearestTown(Vector3 position) const;

    PlacesList& places() const { return places_; }
    const WorldPositionTable& worldPositions() const { return worldPositions_; }

  private:
    std::map<uint32_t, std::string> districtNames_;
    std::map<uint32_t, std::shared_ptr<const TownRecord>> servingTowns_;
    PlacesList& places_;
    const WorldPositionTable& worldPositions_;
};

}  // namespace bf
