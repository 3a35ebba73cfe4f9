#include "core/context.h"

#include "animals/animal_events_handler.h"
#include "animals/animal_hud.h"

namespace bf {

namespace {
std::unique_ptr<Context> gContext;
}

Context::Context() = default;
Context::~Context() = default;

Context& context() {
    if (!gContext) gContext = std::make_unique<Context>();
    return *gContext;
}

void resetContext() {
    gContext.reset();
}

}  // namespace bf
