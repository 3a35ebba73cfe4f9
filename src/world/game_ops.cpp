#include "world/game_ops.h"

#include <algorithm>
#include <cmath>

#include "core/natives.h"
#include "core/runtime.h"

namespace bf {

Vector3 normalized(Vector3 v) {
    const float size = length(v);
    if (size == 0.0f) return {};
    return v * (1.0f / size);
}

float clampValue(float value, int32_t minimum, int32_t maximum) {
    return std::max(static_cast<float>(minimum), std::min(value, static_cast<float>(maximum)));
}

Vector3 entityPosition(int32_t entity) {
    return natives::getEntityCoords(entity, true, false);
}

Vector3 playerPosition() {
    return entityPosition(runtime().playerPed);
}

float distance(int32_t entity, Vector3 point) {
    return distance(entityPosition(entity), point);
}

float distance(int32_t a, int32_t b) {
    const Vector3 first = entityPosition(a);
    return distance(first, entityPosition(b));
}

Vector3 entityDirection(int32_t entity) {
    return natives::getEntityForwardVector(entity);
}

Vector3 playerLastWeaponImpact() {
    NativeVector3 impact;
    if (!natives::getPedLastWeaponImpactCoord(runtime().playerPed, &impact)) return {};
    return impact.toVector();
}

uint32_t gameHash(const char* name) {
    return natives::getHashKey(name);
}

int32_t randomInt(int32_t min, int32_t max) {
    return natives::getRandomIntInRange(min, max);
}

const char* randomEntry(const std::vector<const char*>& entries) {
    if (entries.empty()) return nullptr;
    const int32_t index = randomInt(0, static_cast<int32_t>(entries.size()));
    if (index < 0 || static_cast<size_t>(index) >= entries.size()) return entries.front();
    return entries[static_cast<size_t>(index)];
}

}  // namespace bf
