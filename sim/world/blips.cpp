#include "sim/world/blips.h"

#include "sim/world/hash.h"

namespace sim {

Blips::Blips()
    : knownStyles{gameHash("BLIP_STYLE_MISSION"), gameHash("BLIP_STYLE_OBJECTIVE"),
                  gameHash("BLIP_STYLE_AREA"), gameHash("BLIP_STYLE_ENEMY"), 0x19365607u} {}

int32_t Blips::add(uint32_t style, int32_t entity, Vec3 position, float radius) {
    if (!knownStyles.count(style)) return 0;
    next_ += 0x2B;
    blips_[next_] = Blip{next_, style, entity, position, radius, 0, {}, ""};
    return next_;
}

Blip* Blips::find(int32_t handle) {
    auto it = blips_.find(handle);
    return it == blips_.end() ? nullptr : &it->second;
}

bool Blips::remove(int32_t handle) {
    return blips_.erase(handle) > 0;
}

}  // namespace sim
