// HuntTask: the rival hunter on his own, hunting by a target policy: one given animal (the
// special animal) or any animal of one model he finds near him (mass hunting).
//
//   state              what he does                                  next
//   0  roam            stealth (0.5 for one animal, 1.0 for a        1
//                      model); a sequence: stop looking, weapon
//                      lowered, armed with his best weapon when he
//                      holds none, roaming the area's circle
//   1  search          the candidates within reach (the one animal,  2
//                      or the live animals of the model); 5 s to
//                      spot one; sleeps 1 s
//   2  spot            5 s are up                                    1
//                      he sees a candidate: he turns to it; 4 s      3
//   3  confirm         after the 4 s: he still sees it               4
//                      he lost it                                    0
//   4  stalk and       the shooting sequence of hunter_moves.h       5
//      shoot           (look, close in, aim, shoot); sleeps 0.5 s
//                      (one animal) or 2 s (a model)
//   5  shooting        the target is down                            6 (rest), or 99 for
//                                                                    the one animal
//                      not shooting and he cannot see it: curses     6
//                      the sequence still runs                       5
//                      it ended with the target alive in sight       4 (again)
//                      after kMaxShootingTries sequences, or
//                      kMaxShootingMs on one target: curses, drops   6
//   6  rest            10 s are up                                   0
//   99 done            stealth off; never steps again (hasFailed)    -
//
// Every state is bounded: a wounded animal that runs can neither keep him in state 5 nor any
// other state for longer than kMaxShootingMs. The task never succeeds by itself; it fails in
// state 99 or once the hunter is dead.
#pragma once

#include <cstdint>
#include <vector>

#include "competitions/async_ped_task.h"
#include "core/vector3.h"

namespace bf {

class HuntTask : public AsyncPedTask {
  public:
    enum State : int32_t {
        kRoam = 0,
        kSearch = 1,
        kSpot = 2,
        kConfirm = 3,
        kStalkAndShoot = 4,
        kShooting = 5,
        kRest = 6,
        kDone = 99,
    };

    // Whom he hunts: `animal` when it is not 0, else any live animal of `model`.
    struct Quarry {
        int32_t animal = 0;
        uint32_t model = 0;
        static Quarry one(int32_t animal) { return {animal, 0}; }
        static Quarry anyOf(uint32_t model) { return {0, model}; }
        bool single() const { return animal != 0; }
    };

    static constexpr int32_t kNearbyCapacity = 20;
    static constexpr int32_t kSearchSleepMs = 1000;
    static constexpr int32_t kSpotMs = 5000;
    static constexpr int32_t kConfirmMs = 4000;
    static constexpr int32_t kRestMs = 10000;
    static constexpr float kSingleRoamStealth = 0.5f;
    static constexpr float kModelRoamStealth = 1.0f;
    static constexpr int32_t kSingleShootSleepMs = 500;
    static constexpr int32_t kModelShootSleepMs = 2000;
    // A target that keeps living through this many shooting sequences, or this long, is let go.
    static constexpr int32_t kMaxShootingTries = 3;
    static constexpr int32_t kMaxShootingMs = 45000;

    HuntTask(int32_t hunter, Quarry quarry, Vector3 areaCentre, float reach, float roamRadius);

    bool hasFailed() override;

    int32_t state() const { return state_; }
    int32_t target() const { return target_; }
    const Quarry& quarry() const { return quarry_; }

  protected:
    void step() override;

  private:
    // The checks before each step for the one animal; false when its end ended the hunt.
    bool singleStillHunted();
    void search();
    void spot();
    void confirm();
    void stalkAndShoot();
    void shooting();
    void dropTarget();
    void targetDown();
    void done();

    Quarry quarry_;
    float reach_;
    float roamRadius_;
    Vector3 areaCentre_;
    int32_t target_ = 0;
    int32_t state_ = kRoam;
    std::vector<int32_t> candidates_;
    uint32_t waitUntil_ = 0;
    uint32_t shootingSince_ = 0;
    int32_t shootingTries_ = 0;
};

}  // namespace bf
