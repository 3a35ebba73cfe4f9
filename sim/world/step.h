// The world's step: once a frame, before the script runs, the world moves on in one stated order,
// whatever order the natives were registered in. Each part is a named function over the game; a
// new part (peds' task sequences, traders) goes into the list in step.cpp where it belongs.
#pragma once

#include <span>

namespace sim {

class Game;

struct StepPart {
    const char* name;
    void (*run)(Game& game);
};

// The parts, in the order they run.
std::span<const StepPart> worldStepParts();
void stepWorld(Game& game);

}  // namespace sim
