// The ground every layer of the running plug-in stands on: this frame's player ped, the settings
// table, the texts handed to the game and the frame's tally of native calls. The spine's plug-in
// object is a Runtime with its features on top, and the one process-wide pointer of the plug-in
// points at it, for the hook's C callbacks and for tests that restart the plug-in in the same
// process.
//
// Requires: a runtime is installed before any layer reads it (start-up installs the plug-in;
// tests that drive a layer on its own install a bare Runtime).
// Guarantees: replacing or dropping the runtime destroys the previous one first, on the calling
// thread, while the game is still there: its owners free what it created in the game.
#pragma once

#include <cstdint>
#include <memory>

#include "core/frame_tally.h"
#include "core/screen_texts.h"
#include "core/settings.h"

namespace bf {

class Runtime {
  public:
    Runtime() = default;
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    virtual ~Runtime() = default;

    // Written only at the start of start-up and at the top of each frame.
    int32_t playerPed = 0;
    // The player's index, read once at start-up: it does not change while the game runs.
    int32_t playerIndex = 0;
    SettingsTable settings;
    ScreenTexts screenTexts;
    // The native calls of the frame now running, by activity.
    FrameTally frameTally;
};

// The installed runtime; installs a bare one when none is.
Runtime& runtime();
// Null while none is installed.
Runtime* installedRuntime();
// Destroys the installed runtime (if any), then installs `next` (which may be null).
void installRuntime(std::unique_ptr<Runtime> next);

}  // namespace bf
