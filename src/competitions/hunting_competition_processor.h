// HuntingCompetitionProcessor: runs one competition from the offer to the outcome.
//
// States: 0 offered (the offer blip; the camp is built once the player is within the camp
// distance) -> 1 camp ready (the player accepts by holding the prompt at the rival; walking 450 m
// away takes the camp down again) -> 2 accepted (the rival is sent towards the area, one frame)
// -> 3 both on their way (the clock starts once both are inside) -> 4 running (the kind's own
// work each frame, until the time cap) -> -1 finished. State 99 holds an offer while a mission
// runs. From state 3 on (and in 99) the rules hold every frame: a dead player, a rival killed,
// spooked or turned hostile, or more than 10 s off foot after the warning end it with outcome -1;
// so does a player 400 m from the rival on the way, or from the area's centre while it runs.
//
// The manager owns the processor and the record, calls update() once a frame, tears the
// competition down on the frame the record's status becomes finished, and calls cleanup() first.
// The kinds fill runFrame, onAccepted, onStarted and onTimeUp.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "competitions/competition_info.h"
#include "competitions/hunt_task.h"
#include "competitions/hunting_competition_info_modal.h"
#include "competitions/hunting_competition_status_widget.h"
#include "core/vector3.h"
#include "data/tuning.h"
#include "world/game_events.h"

namespace bf {

class DataCatalogue;
class Tutorials;

enum ProcessorState : int32_t {
    kStateFinished = -1,
    kStateOffered = 0,
    kStateCampReady = 1,
    kStateAccepted = 2,
    kStateTravelling = 3,
    kStateRunning = 4,
    kStateBlockedByMission = 99,
};

class HuntingCompetitionProcessor {
  public:
    static constexpr float kTalkDistance = 15.0f;
    static constexpr float kAreaStopShort = 55.0f;
    static constexpr float kAreaInside = 20.0f;
    static constexpr float kGapClearWarning = 150.0f;
    static constexpr float kGapWarning = 250.0f;
    static constexpr float kGapAbort = 400.0f;
    static constexpr int32_t kOffFootMs = 10000;
    static constexpr uint32_t kLeavingCheckMs = 1000;
    // The rival's route may need the navigation mesh; wait no longer than this for it.
    static constexpr int32_t kNavmeshWaitMs = 10000;

    HuntingCompetitionProcessor(CompetitionInfo& info, DataCatalogue& data, Tutorials& tutorials);
    virtual ~HuntingCompetitionProcessor() = default;

    virtual void update();
    // Releases (soft) or deletes (hard) everything the competition made.
    virtual void cleanup(bool hard);
    // Damage events of the frame, handed on by the manager while the event pump reads them.
    virtual void onEntityDamaged(const EntityDamagedEvent&) {}

    void finish(int32_t outcome);
    void showOfferBlip();
    void releaseCamp(bool hard);
    // The hunter camp at the start point with the rival; nothing when he exists already. False
    // when the rival could not be made.
    bool buildCamp();

    int32_t state() const { return state_; }
    CompetitionInfo& info() { return info_; }
    bool hunting() const { return hunting_; }
    const HuntTask* opponentTask() const { return opponentTask_.get(); }

    // A point exactly `radius` from the centre (horizontally) at a random angle, 0.3 m above the
    // centre's height, or on the ground there when asked and the game finds ground.
    static Vector3 pointOnCircle(Vector3 centre, float radius, bool onGround);

  protected:
    // `now` is the game timer of this frame, read once by the frame's rules.
    virtual void runFrame(uint32_t now) = 0;
    virtual void onAccepted() {}
    virtual void onStarted() {}
    virtual void onTimeUp() {}

    CompetitionInfo& info_;
    DataCatalogue& data_;
    Tutorials& tutorials_;
    std::unique_ptr<HuntingCompetitionInfoModal> infoModal_;
    std::unique_ptr<HuntingCompetitionStatusWidget> statusWidget_;
    int32_t state_ = kStateOffered;
    // Set from the start of the running phase: the rival hunts and the kind does its work.
    bool hunting_ = false;
    std::unique_ptr<HuntTask> opponentTask_;
    std::string instructionText_;

    // The rival sets off on `quarry` in the area round `centre`.
    void startOpponent(HuntTask::Quarry quarry, float reach, float roamRadius);
    void stepOpponent(uint32_t now) {
        if (opponentTask_ && opponentTask_->isRunning()) opponentTask_->tick(now);
    }
    // The instruction of the hunt, as the kind's row words it with what is hunted, cut to the
    // buffer the game takes, and shown as the objective.
    void showInstruction();

  private:
    // The rival of a camp taken down, for a rebuilt camp to take back when he still can; 0 when
    // none or a new one is needed (the old one then goes back to the game without the stake).
    int32_t campRivalAgain();
    // The former rival is still the ped the camp made: the game may have removed him and given
    // his handle to another ped meanwhile.
    bool stillFormerRival() const;
    int32_t newCampRival(Vector3 pedPoint);
    // The rules of states 3, 4 and 99; false when they ended the competition.
    bool rulesHold();
    void updateOffered();
    void updateCampReady();
    void updateAccepted();
    void updateTravelling();
    void updateRunning();
    void accept();
    // The leaving rule on the player's distance (to the rival on the way, to the area's centre
    // while the hunt runs): warned above 250 m, re-armed below 150 m; false when 400 m or more
    // ended the competition.
    bool stillNear(float distance);

    // Each warning is shown once a competition; the leaving warning again after the player came
    // back within 150 m.
    struct Warnings {
        bool footOnly = false;
        bool leavingArea = false;
        bool deadEyePenalty = false;
    };
    Warnings warned_;
    float campPrepareDistance_;
    // The rival of a camp taken down, held apart from the record's peds until a rebuilt camp takes
    // him back or the competition ends, so that no list keeps a handle of a ped that is gone.
    OwnedPed formerRival_;
    uint32_t nextLeavingCheck_ = 0;
};

}  // namespace bf
