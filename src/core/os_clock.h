// The operating system's clocks as the plug-in reads them: the system tick count (the keyboard
// handler stamps key events with it) and the local time (log stamps, the recording's name).
//
// The flight recorder writes down every reading (core/recorder.h); a replay of a recording
// (tools/replay) answers them from it instead, through an OsReplay. Nothing else installs one.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

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

// Installs (or with null removes) the replay's answers.
void setOsReplay(OsReplay* replay);
OsReplay* osReplay();

uint32_t osTickCount();
std::tm osLocalTime();
std::tm recordingStartTime();

}  // namespace bf
