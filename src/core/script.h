// The script's spine: ScriptMain, the start-up sequence and the frame loop.
//
// initialize() creates every long-lived object in a fixed order over several frames and returns
// false when the system cannot run (a required data file failed). mainLoop() then drives every
// feature once per frame inside one guard: an exception logs "Something wrong happened" and the
// exception's text, and from then on the script only yields frames. A failed start-up shows
// "Failed to load Brackenfold, please check the logs for more info." and halts the same way.
// Nothing ever leaves ScriptMain: an exception that reached the hook would take the game down.
#pragma once

namespace bf {

bool initialize();
[[noreturn]] void mainLoop();
void ScriptMain();

// One pass of the features, in frame order (the guarded block of a frame). Exposed for tests.
void runFrameFeatures();

}  // namespace bf
