// HuntAnimalTypeTask: a hunter who hunts any animal of one kind in an area, on his own.
//
// 0 roam: crouched, weapon in hand, wandering in the area -> 1 search: the animals of the kind
// near him -> 2 spot: for up to 5 s, the first of them he can see becomes the target and he turns
// to it -> 3 confirm: 4 s later he must still see it, else he drops it and roams again -> 4 stalk
// and shoot: he closes in and fires, a skilled hunter closer and after a shorter aim -> 5
// shooting: until the shots are done; a target lost from sight makes him curse -> 6 rest for 10 s
// -> 0. It never succeeds; it fails once the hunter is dead.
#pragma once

#include <cstdint>
#include <vector>

#include "competitions/async_ped_task.h"
#include "competitions/hunter_moves.h"
#include "core/vector3.h"

namespace bf {

class HuntAnimalTypeTask : public AsyncPedTask {
  public:
    enum State : int32_t {
        kRoam = 0,
        kSearch = 1,
        kSpot = 2,
        kConfirm = 3,
        kStalkAndShoot = 4,
        kShooting = 5,
        kRest = 6,
        kFailed = 99,
    };
    static constexpr int32_t kNearbyCapacity = 20;

    // The stalk (hunter_moves.h): the distance he closes to before aiming, and how long he aims.
    static float approachDistance(float reach, float skill, float sightRange) {
        return stalkApproachDistance(reach, skill, sightRange);
    }
    static int32_t aimDurationMs(float skill) { return stalkAimDurationMs(skill); }

    HuntAnimalTypeTask(int32_t hunter, uint32_t animalType, Vector3 areaCentre, float reach,
                       float roamRadius);

    bool hasFailed() override;

    int32_t state() const { return state_; }
    int32_t target() const { return target_; }

  protected:
    void step() override;

  private:
    void roam();
    void search();
    void spot();
    void confirm();
    void stalkAndShoot();
    void shooting();

    uint32_t animalType_;
    float reach_;
    float roamRadius_;
    Vector3 areaCentre_;
    int32_t target_ = 0;
    int32_t state_ = kRoam;
    std::vector<int32_t> candidates_;
    uint32_t waitUntil_ = 0;
};

}  // namespace bf
