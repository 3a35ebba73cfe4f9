// Follows the player's map area (the town he stands in, else his district) and tells its
// subscribers once a change is confirmed: the player has moved more than the confirm distance
// from where the change was first seen and is still outside the old area. Walking back before
// that cancels it, so loitering on a border reports nothing.
#pragma once

#include <cstdint>
#include "core/events_subscriber.h"
#include "core/vector3.h"
#include "core/zones.h"

namespace bf {

inline constexpr uint32_t kNoArea = 0xFFFFFFFF;
// One confirmed change. Subscribers get it by reference, valid only during the call.
struct MapAreaChangeData {
    uint32_t previousArea = kNoArea;  // kNoArea on the first report after start
    uint32_t newArea = 0;
    int32_t areaKind = 0;  // kZoneTown for a town, else the tracker's zone type
    Vector3 position;      // the player's position when the change was first seen
};

class MapAreaTracker {
  public:
    MapAreaTracker(int32_t zoneType, float confirmDistance);

    // Subscribers are told in subscription order; a subscriber already present is not added
    // twice.
    void subscribe(EventsSubscriber<MapAreaChangeData>& subscriber) {
        changes_.subscribe(subscriber);
    }
    // Once per frame, before the event pump.
    void onFrame();

  private:
    // The town at the position, else the area of the tracker's zone type (possibly 0).
    void resolve(Vector3 position);
    EventsPublisher<MapAreaChangeData> changes_;
    float confirmDistance_;
    int32_t zoneType_;
    uint32_t previousArea_ = kNoArea;
    uint32_t currentArea_ = kNoArea;
    int32_t currentKind_ = 0;
    bool changePending_ = false;
    Vector3 changePosition_;
};

}  // namespace bf
