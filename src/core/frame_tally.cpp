#include "core/frame_tally.h"

#include "core/hook.h"
#include "core/key_input.h"
#include "core/recorder.h"
#include "core/runtime.h"

namespace bf {

const char* activityName(Activity activity) {
    switch (activity) {
        case Activity::Frame:
            return "frame loop";
        case Activity::StartUp:
            return "start-up";
        case Activity::Texts:
            return "screen texts";
        case Activity::MapAreas:
            return "map areas";
        case Activity::AnimalEvents:
            return "animal events";
        case Activity::Competitions:
            return "competition";
        case Activity::CompetitionCreation:
            return "competition creation";
        case Activity::CompetitionCamp:
            return "competition camp";
        case Activity::CompetitionAnimals:
            return "competition animals";
        case Activity::Bait:
            return "bait";
        case Activity::Trading:
            return "trading";
        case Activity::Population:
            return "population";
        case Activity::PopulationSave:
            return "population save";
        case Activity::AnimalHud:
            return "animal HUD";
        case Activity::Count:
            break;
    }
    return "?";
}

uint32_t FrameTally::total() const {
    uint32_t sum = 0;
    for (uint32_t n : calls_)
        sum += n;
    return sum;
}

FrameTally& frameTally() {
    return runtime().frameTally;
}

void countNativeCall() {
    if (Runtime* running = installedRuntime()) running->frameTally.countCall();
}

void waitForGame(uint32_t milliseconds) {
    if (Recorder* recorder = activeRecorder()) recorder->beforeWait(milliseconds);
    hook::scriptWait(milliseconds);
    if (Runtime* running = installedRuntime()) running->frameTally.newFrame();
    takeQueuedKeys();
    if (Recorder* recorder = activeRecorder()) recorder->afterWait();
}

}  // namespace bf
