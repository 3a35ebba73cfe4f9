#include "core/runtime.h"

namespace bf {

namespace {
// Deliberately a plain pointer: the plug-in is never destroyed at process exit, when the game and
// the hook may already be gone; only a restart (or a test) replaces it.
Runtime* gRuntime = nullptr;
}  // namespace

Runtime& runtime() {
    if (!gRuntime) gRuntime = new Runtime();
    return *gRuntime;
}

Runtime* installedRuntime() {
    return gRuntime;
}

void installRuntime(std::unique_ptr<Runtime> next) {
    // The previous one stays installed while it is torn down: its clean-up may read the ground.
    delete gRuntime;
    gRuntime = next.release();
}

}  // namespace bf
