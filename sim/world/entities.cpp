#include "sim/world/entities.h"

namespace sim {

Entity& Entities::create(EntityKind kind, uint32_t model, Vec3 position, float heading) {
    const int32_t handle = handles_.take();
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
    if (entities_.erase(handle)) handles_.giveBack(handle);
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

void markDead(Entity& e, uint32_t now) {
    if (!e.dead || e.diedAt == 0) e.diedAt = now | 1u;
    e.dead = true;
}

}  // namespace sim
