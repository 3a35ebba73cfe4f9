#include "sim/world/blips.h"

#include "sim/world/hash.h"

namespace sim {

Blips::Blips(Random& random)
    : knownStyles{gameHash("BLIP_STYLE_MISSION"), gameHash("BLIP_STYLE_OBJECTIVE"),
                  gameHash("BLIP_STYLE_AREA"), gameHash("BLIP_STYLE_ENEMY"), 0x19365607u},
      handles_(random, 0x101, 0x7FFFFFFF) {}

int32_t Blips::add(uint32_t style, int32_t entity, Vec3 position, float radius) {
    if (!knownStyles.count(style)) return 0;
    const int32_t handle = handles_.take();
    blips_[handle] = Blip{handle, style, entity, position, radius, 0, {}, ""};
    return handle;
}

Blip* Blips::find(int32_t handle) {
    auto it = blips_.find(handle);
    return it == blips_.end() ? nullptr : &it->second;
}

bool Blips::remove(int32_t handle) {
    if (blips_.erase(handle) == 0) return false;
    handles_.giveBack(handle);
    return true;
}

}  // namespace sim
