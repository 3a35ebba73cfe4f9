#include "world/peds.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/frame_tally.h"
#include "core/log.h"
#include "core/natives.h"
#include "world/game_ops.h"

namespace bf {

namespace {

constexpr std::array<uint32_t, 13> kUntouchedAnimalTypes = {
    0x59F5325D, 0x373AD87A, 0xDC04C5CD, 0xB126EFB8, 0x9EB70D63, 0xBD2169A5, 0x714FAE8F,
    0x0FFDB5B2, 0x67D66C41, 0x738F36B2, 0x899E92E0, 0x2EC2783A, 0xB0672438};

// The game's speech block: eight 8-byte slots, all of which the game reads. The last two are
// the 1 and 1 the game's own scripts pass.
struct SpeechParams {
    const char* line = nullptr;
    const char* voice = nullptr;
    int64_t variation = 0;
    int64_t speechParam = 0;
    int64_t listener = 0;
    int64_t syncOverNetwork = 0;
    int64_t seventh = 0;
    int64_t eighth = 0;
};
static_assert(sizeof(SpeechParams) == 8 * 8);

int32_t spawnLoadedPed(uint32_t model, const std::string& modelName, Vector3 position) {
    natives::requestModel(model, false);
    const uint32_t start = natives::getGameTimer();
    while (!natives::hasModelLoaded(model)) {
        // The game never loading a model must not stall every feature for good.
        if (static_cast<int32_t>(natives::getGameTimer() - start) >= kModelLoadTimeoutMs) {
            logMessage("ERROR: model " + modelName + " did not load, no ped spawned");
            return 0;
        }
        waitForGame(0);
    }
    const int32_t ped = natives::createPed(model, position);
    natives::setRandomOutfitVariation(ped, true);
    return ped;
}

}  // namespace

int32_t spawnPed(uint32_t model, Vector3 position) {
    char name[16];
    std::snprintf(name, sizeof name, "0x%08X", model);
    return spawnLoadedPed(model, name, position);
}

int32_t spawnPed(const std::string& modelName, Vector3 position) {
    return spawnLoadedPed(gameHash(modelName), modelName, position);
}

int32_t spawnPedOnGround(const std::string& modelName, Vector3 position) {
    float height = 0.0f;
    if (!natives::getGroundZFor3dCoord({position.x, position.y, position.z + kGroundProbeHeight},
                                       &height, true))
        return 0;
    position.z = height;
    return spawnPed(modelName, position);
}

std::vector<int32_t> pedsNear(int32_t entity, int32_t capacity, float radius, int32_t flags,
                              bool skipDead, uint32_t model) {
    std::vector<int32_t> peds;
    if (capacity < 0 || capacity > kPedsNearMaxCapacity) {
        logMessage("ERROR: pedsNear: capacity " + std::to_string(capacity) +
                   " does not fit the buffer of " + std::to_string(kPedsNearMaxCapacity));
        return peds;
    }
    std::array<int64_t, kPedsNearMaxCapacity + 1> buffer{};
    buffer[0] = capacity;
    const int32_t count =
        std::min(natives::getPedNearbyPeds(entity, buffer.data(), flags, -1), capacity);
    // The entity does not move while the script runs: its position is read once.
    const Vector3 from = radius != -1.0f && count > 0 ? entityPosition(entity) : Vector3{};
    for (int32_t i = 1; i <= count; ++i) {
        const auto ped = static_cast<int32_t>(buffer[static_cast<size_t>(i)]);
        // The game answers 0 for the model of a ped that is gone.
        if (model != 0 && natives::getEntityModel(ped) != model) continue;
        if (!natives::doesEntityExist(ped)) continue;
        if (skipDead && natives::isEntityDead(ped)) continue;
        if (radius != -1.0f && distance(from, entityPosition(ped)) > radius) continue;
        peds.push_back(ped);
    }
    return peds;
}

bool isUntouchedAnimalType(uint32_t type) {
    return std::find(kUntouchedAnimalTypes.begin(), kUntouchedAnimalTypes.end(), type) !=
           kUntouchedAnimalTypes.end();
}

bool isLawman(int32_t ped) {
    return natives::getPedRelationshipGroupHash(ped) == gameHash("REL_COP");
}

void playSpeech(int32_t ped, const char* line, const char* voice) {
    const SpeechParams params{line, voice, 1, 0x67F3AB43, ped, 1, 1, 1};
    natives::playPedAmbientSpeech(ped, &params);
}

void giveWeapon(int32_t ped, uint32_t weapon, int32_t ammunition, bool equip) {
    if (!natives::hasPedGotWeapon(ped, weapon))
        natives::giveDelayedWeaponToPed(ped, weapon, ammunition);
    if (equip) natives::setCurrentPedWeapon(ped, weapon, true);
}

uint64_t currentWeapon(int32_t ped, int32_t attachPoint) {
    uint64_t weapon = 0;
    natives::getCurrentPedWeapon(ped, &weapon, attachPoint);
    return weapon;
}

}  // namespace bf
