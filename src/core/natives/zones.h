// Zones: towns and districts.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_ZONES(X) \
    X(kGetMapZoneAtCoords, 0x43AD8FC02B429D33, "_GET_MAP_ZONE_AT_COORDS", 4, Int32)

BF_NATIVES_ZONES(BF_NATIVE_DEFINE)

// The id of the zone of that type at a position (1 town, 10 district); 0 where there is none.
inline uint32_t getMapZoneAtCoords(Vector3 position, int32_t zoneType) {
    return call<kGetMapZoneAtCoords, uint32_t>(position, zoneType);
}

}  // namespace bf::natives
