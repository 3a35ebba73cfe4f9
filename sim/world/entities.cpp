#include "sim/world/entities.h"

namespace sim {

int32_t Entities::nextHandle() {
    for (;;) {
        handleState_ = handleState_ * 1664525u + 1013904223u;
        // Positive values of up to 24 bits, like the game's pool handles.
        const int32_t handle = static_cast<int32_t>((handleState_ >> 8) & 0xFFFFFFu);
        if (handle > 0x100 && !entities_.count(handle)) return handle;
    }
}

Entity& Entities::create(EntityKind kind, uint32_t model, Vec3 position, float heading) {
    const int32_t handle = nextHandle();
    Entity& e = entities_[handle];
    e.handle = handle;
    e.serial = ++serial_;
    e.kind = kind;
    e.model = model;
    e.position = position;
    e.home = position;
    e.heading = heading;
    return e;
}

Entity* Entities::find(int32_t handle) {
    auto it = entities_.find(handle);
    return it == entities_.end() ? nullptr : &it->second;
}

const Entity* Entities::find(int32_t handle) const {
    auto it = entities_.find(handle);
    return it == entities_.end() ? nullptr : &it->second;
}

void Entities::remove(int32_t handle) {
    entities_.erase(handle);
}

}  // namespace sim

#include <cmath>

namespace sim {

Vec3 Entity::forward() const {
    constexpr float kRadians = 3.14159265f / 180.0f;
    const float h = heading * kRadians;
    const float p = pitch * kRadians;
    // Heading 0 faces +y and grows anticlockwise, as the game's does.
    return {-std::sin(h) * std::cos(p), std::cos(h) * std::cos(p), std::sin(p)};
}

float distance3d(Vec3 a, Vec3 b) {
    const float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

}  // namespace sim
