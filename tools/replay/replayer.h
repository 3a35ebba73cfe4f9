// brackenfold-sim --replay: plays a recorded session (.bfrec) again with the plug-in in this
// process. The recorded data folder is laid out in the game folder; every native call, wait,
// key event, tick and local-time reading of the plug-in is answered from the recording instead
// of the simulated game, and checked against it: the hash and every argument word (texts by
// their content; pointers the game writes through by what they held, not by their address), the
// waits and the log entries. The first call that is not the recorded one stops the replay with
// a report; a replay with none reproduces the session's log line for line.
//
// Frames are the recording's: frame N is what the script did before its Nth wait; the replay
// runs one frame of the simulated game per recorded frame. A recording cut off (a crash) plays
// to its last whole frame and says where it ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "sim/game.h"

namespace replay {

struct ReplayOptions {
    std::string recording;
    // Where the recorded data folder is laid out (its Brackenfold/ is replaced).
    std::filesystem::path gameDir;
    sim::Game::PluginEntry plugin = nullptr;
    // Drops the running plug-in, as its host did where the recording says STOP.
    std::function<void()> stopPlugin;
    // Stop after this frame, or at the frame of this marker (0: play to the end), with the
    // plug-in as it is then.
    uint64_t untilFrame = 0;
    uint32_t untilMarker = 0;
    bool trace = false;
    bool stats = false;
    // The plug-in's own account of the frame that has just ended (--stats).
    std::function<std::string()> describeFrame;
    std::ostream* out = nullptr;
};

// 0: no divergence (and the same log); 1: a divergence, or a log that differs; 2: the file is
// not a recording that can be played.
int runReplay(const ReplayOptions& options);

// "MARKER|FRAME" of --replay-until: "m3" (or "marker3") is marker 3, a number a frame. False
// when it is neither.
bool parseReplayUntil(const std::string& text, uint64_t& frame, uint32_t& marker);

}  // namespace replay
