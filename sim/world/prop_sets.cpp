#include "sim/world/prop_sets.h"

#include <cmath>

#include "sim/world/handles.h"
#include "sim/world/hash.h"
#include "sim/world/terrain.h"

namespace sim {

namespace {

// A set's scenario point: metres to the right of and ahead of the set's origin.
struct SetPoint {
    const char* set;
    float right, ahead;
    const char* scenario;
};
constexpr SetPoint kSetPoints[] = {
    {"pg_ambient_campfire01ax", 1.6f, 0.0f, "WORLD_HUMAN_FIRE_STAND"},
    {"pg_ambient_campfire01ax", -1.6f, 0.3f, "WORLD_HUMAN_FIRE_STAND"},
    {"pg_ambient_camp_add_central_seat01", 0.0f, 2.4f, "PROP_HUMAN_SEAT_BENCH"},
    {"pg_ambient_camp_add_central_seat04", -2.2f, 1.2f, "PROP_HUMAN_SEAT_CHAIR"},
    {"pg_ambient_camp_add_packwagonbutcher01", 3.0f, -2.0f, "WORLD_HUMAN_CROUCH_INSPECT"},
    {"pg_ambient_camp_add_pelts01", -3.0f, -1.5f, "WORLD_HUMAN_CROUCH_INSPECT"},
    {"pg_ambient_camp_add_hunt01", 2.5f, 2.5f, "WORLD_HUMAN_CROUCH_INSPECT"},
    {"pg_ambient_camp_add_hunt02", -2.5f, 2.5f, "WORLD_HUMAN_CROUCH_INSPECT"},
};

}  // namespace

void addPropSetPoints(ScenarioPoints& points, const PropSet& set) {
    const float h = set.heading * 3.14159265f / 180.0f;
    for (const SetPoint& p : kSetPoints) {
        if (gameHash(p.set) != set.name) continue;
        // Heading 0 faces +y; right of it is +x.
        const float x = set.position.x + p.right * std::cos(h) - p.ahead * std::sin(h);
        const float y = set.position.y + p.right * std::sin(h) + p.ahead * std::cos(h);
        const float z = Terrain::heightAt(x, y).value_or(set.position.z);
        points.addOwned(propSetOwner(set.handle), {x, y, z}, gameHash(p.scenario));
    }
}

void removePropSetPoints(ScenarioPoints& points, int32_t set) {
    points.removeOwnedBy(propSetOwner(set));
}

PropSets::PropSets() {
    for (const char* name :
         {"pg_ambcamp01x_tent_snow01", "pg_ambcamp01x_tent_snow02",
          "pg_ambcamp01x_tent_string_tarp", "pg_ambcamp01x_tent_leanto01",
          "pg_ambcamp02x_tent_combo01", "pg_ambcamp01x_tent_hide_lean", "pg_ambcamp01x_tent_hide",
          "pg_ambcamp01x_tent_burlap", "pg_ambient_camp_add_packwagonbutcher01",
          "pg_ambient_camp_add_pelts01", "pg_ambient_camp_add_hunt01", "pg_ambient_camp_add_hunt02",
          "pg_ambient_camp_add_hangmix", "pg_ambient_camp_add_hangmed",
          "pg_ambient_camp_add_hanglrg", "pg_ambient_camp_add_central_seat01",
          "pg_ambient_camp_add_central_seat04", "pg_ambient_campfire01ax"}) {
        known.insert(gameHash(name));
    }
}

void PropSets::request(uint32_t name, uint64_t frame, Chaos& chaos) {
    if (!known.count(name)) return;
    auto it = requested_.find(name);
    if (it != requested_.end() && !it->second.dropped(frame)) return;
    requested_[name] = Load::start(frame, kLoadFrames, chaos);
}

bool PropSets::loaded(uint32_t name, uint64_t frame) const {
    auto it = requested_.find(name);
    return it != requested_.end() && it->second.ready(frame);
}

int32_t PropSets::create(uint32_t name, Vec3 position, float heading, uint64_t frame,
                         Random& random) {
    if (!loaded(name, frame)) return 0;
    const int32_t handle = drawHandle(random, [this](int32_t h) { return sets_.count(h) != 0; });
    sets_[handle] = {handle, name, position, heading, false};
    return handle;
}

void PropSets::release(int32_t handle) {
    auto it = sets_.find(handle);
    if (it != sets_.end()) it->second.released = true;
}

bool PropSets::remove(int32_t handle) {
    return sets_.erase(handle) != 0;
}

}  // namespace sim
