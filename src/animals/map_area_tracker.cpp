#include "animals/map_area_tracker.h"

#include "core/frame_tally.h"
#include "core/natives.h"
#include "world/game_ops.h"

namespace bf {

MapAreaTracker::MapAreaTracker(int32_t zoneType, float confirmDistance)
    : confirmDistance_(confirmDistance), zoneType_(zoneType) {}

void MapAreaTracker::resolve(Vector3 position) {
    if (zoneType_ >= kZoneTown) {
        const uint32_t town = natives::getMapZoneAtCoords(position, kZoneTown);
        if (town != 0) {
            currentArea_ = town;
            currentKind_ = kZoneTown;
            return;
        }
    }
    currentArea_ = natives::getMapZoneAtCoords(position, zoneType_);
    currentKind_ = zoneType_;
}

void MapAreaTracker::onFrame() {
    const ScopedActivity mark(Activity::MapAreas);
    const Vector3 position = playerPosition();
    if (!changePending_) {
        previousArea_ = currentArea_;
        resolve(position);
        if (currentArea_ != previousArea_) {
            changePosition_ = position;
            changePending_ = true;
        }
        return;
    }
    // Nothing is confirmed near the crossing point, except the very first area after start.
    if (distance(changePosition_, position) <= confirmDistance_ && previousArea_ != kNoArea &&
        currentArea_ != kNoArea) {
        return;
    }
    resolve(position);
    if (currentArea_ != previousArea_) {
        MapAreaChangeData change{previousArea_, currentArea_, currentKind_, changePosition_};
        changes_.publish(change);
    }
    changePending_ = false;
}

}  // namespace bf
