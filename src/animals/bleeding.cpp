#include "animals/bleeding.h"

#include <algorithm>
#include <cmath>

#include "core/decorators.h"
#include "core/game_hash.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/settings.h"
#include "data/dict_data_file.h"
#include "data/tuning.h"
#include "world/game_ops.h"

namespace bf {

namespace {

constexpr uint32_t kUnarmed = literalGameHash("WEAPON_UNARMED");
constexpr uint32_t kTrampled = 0x8BD282A4;
// Hands, feet and the like of a person: a hit there does not bleed.
constexpr int32_t kBloodlessHumanBones[] = {0x590E, 0x872E, 0xD3AB, 0xD1AB,
                                            0xA930, 0xD750, 0x836E, 0xB18E};
constexpr int32_t kCriticalBoneFirst = 0x384A;
constexpr int32_t kCriticalBoneLast = 0x384E;
constexpr float kPi = 3.14159265358979f;

int32_t wrap(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

bool isBloodlessHumanBone(int32_t bone) {
    return std::find(std::begin(kBloodlessHumanBones), std::end(kBloodlessHumanBones), bone) !=
           std::end(kBloodlessHumanBones);
}

int32_t playerMount() {
    return natives::getSaddleHorseForPlayer(runtime().playerIndex);
}

bool mayBleed(int32_t damaged, int32_t attacker, uint32_t weapon) {
    return getSettingBool("AnimalsBleeding") && damaged != runtime().playerPed &&
           damaged != playerMount() && attacker != 0 && weapon != kUnarmed && weapon != kTrampled &&
           !natives::isEntityDead(damaged) && natives::isPedHuman(attacker) &&
           !natives::isWeaponLasso(weapon);
}

void endBleeding(int32_t ped) {
    natives::decorSetInt(ped, kDecorBleedingSince, 0);
    natives::decorSetInt(ped, kDecorBleedingSeconds, 0);
    natives::updatePedWoundEffect(ped);
}

}  // namespace

int32_t hitBearing(float heading, Vector3 damaged, Vector3 attacker) {
    const int32_t h = (static_cast<int32_t>(heading) + 270) % 360;
    const float angle =
        std::atan2(damaged.y - attacker.y, damaged.x - attacker.x) * -180.0f * (1.0f / kPi);
    const int32_t c = (360 - static_cast<int32_t>(angle)) % 360;
    return (h - c + 360) % 360;
}

bool bleedingExpired(int32_t now, int32_t since, int32_t seconds, int32_t msPerGameMinute) {
    // The game stores these as 32-bit integers; the sum wraps as it would there.
    const int32_t length = wrap(
        static_cast<int64_t>(wrap(static_cast<int64_t>(msPerGameMinute) * seconds * 60)) / 1000);
    return now >= wrap(static_cast<int64_t>(since) + length);
}

bool startBleeding(std::vector<int32_t>& bleeding, int32_t d, int32_t a, uint32_t w) {
    if (!natives::doesEntityExist(d)) return false;
    if (!mayBleed(d, a, w)) return true;

    const float loss = 1.0f - natives::getPedHealthRatio(d);
    const bool animal = natives::isPedAnimal(d);
    const int32_t base = animal ? 10 : 5;
    int32_t bone = 0;
    natives::getPedLastDamageBone(d, &bone);
    if (!animal && isBloodlessHumanBone(bone)) return true;

    const Vector3 impact = playerLastWeaponImpact();
    const Vector3 bonePos = natives::getPedBoneCoords(d, bone, 0.0f, 0.0f, 0.0f);
    const Vector3 attackerPos = entityPosition(a);
    const Vector3 damagedPos = entityPosition(d);
    const int32_t bearing = hitBearing(natives::getEntityHeading(d), damagedPos, attackerPos);
    const bool criticalWeapon = natives::isWeaponAGun(w) || natives::isWeaponBow(w);

    Vector3 offset = impact - bonePos;
    if (length(offset) > 0.2f) offset = Vector3{};

    if (natives::decorGetInt(d, kDecorBleedingSince) == 0) {
        bleeding.push_back(d);
        natives::decorSetInt(d, kDecorBleedingSince, natives::getClockSeconds());
    } else {
        natives::updatePedWoundEffect(d);
    }
    natives::decorSetInt(d, kDecorBleedingSeconds, static_cast<int32_t>(base * loss));

    if (criticalWeapon && bone >= kCriticalBoneFirst && bone <= kCriticalBoneLast) {
        natives::decorSetInt(d, kDecorCriticalShot, 1);
        natives::decorSetInt(d, kDecorCriticalShotLastDamageTime,
                             static_cast<int32_t>(natives::getGameTimer()));
    }

    const int32_t turn = bearing - 180;
    // The whole-number quotient is meant: it flips the wound's side only at the extremes.
    const int32_t side = turn / 180;
    natives::setPedActivateWoundEffect(
        d, bone, offset.z, offset.x, offset.y, std::min(0.4f * loss, 0.26f),
        static_cast<float>(turn) * (-1.0f / 60.0f), static_cast<float>(side), 0.04f * loss);
    return true;
}

void bleedingTick(std::vector<int32_t>& bleeding, const DictDataFile& generalMeta) {
    if (bleeding.empty() || !getSettingBool("AnimalsBleeding")) return;
    // What cannot change inside one tick is read once.
    const int32_t now = natives::getClockSeconds();
    const int32_t msPerGameMinute = natives::getMillisecondsPerGameMinute();
    const int32_t player = runtime().playerPed;
    const int32_t mount = playerMount();
    const int32_t timer = static_cast<int32_t>(natives::getGameTimer());
    const bool causesDamage = getSettingBool("BleedingCausesDamage");
    const bool collapses = getSettingBool("CollapseOnLowHealth");

    for (size_t i = 0; i < bleeding.size();) {
        const int32_t ped = bleeding[i];
        if (!natives::doesEntityExist(ped)) {
            bleeding.erase(bleeding.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        const int32_t since = natives::decorGetInt(ped, kDecorBleedingSince);
        const int32_t seconds = natives::decorGetInt(ped, kDecorBleedingSeconds);
        if (natives::isEntityDead(ped) ||
            (since != 0 && bleedingExpired(now, since, seconds, msPerGameMinute))) {
            endBleeding(ped);
            bleeding.erase(bleeding.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        ++i;
        if (ped == player || ped == mount) continue;

        // Lying down (collapsed or knocked over) it bleeds out; up at low health it collapses.
        // The game does not move on while the script runs, so a ped this tick hurt is still
        // down when the collapse is asked.
        if (causesDamage) {
            const int32_t last = natives::decorGetInt(ped, kDecorCriticalShotLastDamageTime);
            if (static_cast<int64_t>(timer) >= static_cast<int64_t>(last) + 1000) {
                natives::decorSetInt(ped, kDecorCriticalShotLastDamageTime, timer);
                if (natives::isPedRagdoll(ped)) {
                    natives::applyDamageToPed(
                        ped, tuningInt(generalMeta, Tuning::CriticalShotDamagePerSec));
                }
            }
        }
        if (collapses && natives::getPedHealthRatio(ped) <= 0.15f && !natives::isPedRagdoll(ped)) {
            natives::setPedToRagdoll(ped, 10000, 30000);
        }
    }
}

}  // namespace bf
