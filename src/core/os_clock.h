// The operating system's clocks as the plug-in reads them: the system tick count (the keyboard
// handler stamps key events with it) and the local time (log stamps, the recording's name).
//
// The flight recorder writes down every reading (core/recorder.h); a replay of a recording
// (tools/replay) answers them from it instead, through an OsReplay. Nothing else installs one.
// Header-only, so that the log (and every tool that links it) needs nothing more.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "core/system_tick.h"

namespace bf {

class OsReplay {
  public:
    virtual ~OsReplay() = default;
    virtual uint32_t tickCount() = 0;
    virtual std::tm localTime() = 0;
    // The local time a recording is named after (read once when it starts; not a reading of
    // the session).
    virtual std::tm recordingStart() = 0;
    // Each log entry as the plug-in writes it (stamp and message, no line feed).
    virtual void logged(const std::string& entry) = 0;
};

namespace os_detail {
// Set only by a replay, before the plug-in attaches, and removed after it is gone.
inline OsReplay* replay = nullptr;

inline std::tm platformLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}
}  // namespace os_detail

// Installs (or with null removes) the replay's answers.
inline void setOsReplay(OsReplay* replay) {
    os_detail::replay = replay;
}
inline OsReplay* osReplay() {
    return os_detail::replay;
}

inline uint32_t osTickCount() {
    return os_detail::replay ? os_detail::replay->tickCount() : systemTickCount();
}
inline std::tm osLocalTime() {
    return os_detail::replay ? os_detail::replay->localTime() : os_detail::platformLocalTime();
}
inline std::tm recordingStartTime() {
    return os_detail::replay ? os_detail::replay->recordingStart() : os_detail::platformLocalTime();
}

}  // namespace bf
