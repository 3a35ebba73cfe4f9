#include "core/os_clock.h"

#include "core/system_tick.h"

namespace bf {

namespace {
// Set only by a replay, before the plug-in attaches, and removed after it is gone.
OsReplay* gReplay = nullptr;

std::tm platformLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}
}  // namespace

void setOsReplay(OsReplay* replay) {
    gReplay = replay;
}

OsReplay* osReplay() {
    return gReplay;
}

uint32_t osTickCount() {
    return gReplay ? gReplay->tickCount() : systemTickCount();
}

std::tm osLocalTime() {
    return gReplay ? gReplay->localTime() : platformLocalTime();
}

std::tm recordingStartTime() {
    return gReplay ? gReplay->recordingStart() : platformLocalTime();
}

}  // namespace bf
