// Follows the player's map area (the town he stands in, else his district) and tells its
// subscribers once a change is confirmed: the player has moved more than the confirm distance
// from where the change was first seen and is still outside the old area. Walking back before
// that cancels it, so loitering on a border reports nothing.
#pragma once

#include <cstdint>
#include <set>

#include "core/vector3.h"

namespace bf {

inline constexpr uint32_t kNoArea = 0xFFFFFFFF;
inline constexpr int32_t kZoneTown = 1;
inline constexpr int32_t kZoneDistrict = 10;

// One confirmed change. Subscribers get a pointer that is valid only during the call.
struct MapAreaChangeData {
    uint32_t previousArea = kNoArea;  // kNoArea on the first report after start
    uint32_t newArea = 0;
    int32_t areaKind = 0;  // kZoneTown for a town, else the tracker's zone type
    Vector3 position;      // the player's position when the change was first seen
};

template <typename Event>
class EventsSubscriber {
  public:
    virtual ~EventsSubscriber() = default;
    virtual void onEvent(Event event) = 0;
};

class MapAreaTracker {
  public:
    MapAreaTracker(int32_t zoneType, float confirmDistance);

    // A subscriber already present is not added twice.
    void subscribe(EventsSubscriber<MapAreaChangeData*>* subscriber);
    // Once per frame, before the event pump.
    void update();

  private:
    // The town at the position, else the area of the tracker's zone type (possibly 0).
    void resolve(Vector3 position);
    // Every subscriber, in ascending address order, gets the same record.
    void publish(MapAreaChangeData* change);

    std::set<EventsSubscriber<MapAreaChangeData*>*> subscribers_;
    float confirmDistance_;
    int32_t zoneType_;
    uint32_t previousArea_ = kNoArea;
    uint32_t currentArea_ = kNoArea;
    int32_t currentKind_ = 0;
    bool changePending_ = false;
    Vector3 changePosition_;
};

}  // namespace bf
