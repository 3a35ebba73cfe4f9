#include "core/context.h"

#include "animals/animal_events_handler.h"
#include "animals/animal_hud.h"
#include "animals/animal_population.h"
#include "animals/animal_spawn_locations.h"
#include "animals/bait_manager.h"
#include "animals/map_area_tracker.h"
#include "animals/map_districts.h"
#include "data/dict_data_file.h"
#include "trading/trading.h"
#include "ui/messages.h"
#include "world/towns.h"
#include "world/world_tables.h"

namespace bf {

namespace {
std::unique_ptr<Context> gContext;
}

Context::Context() : screenTexts(std::make_unique<ScreenTexts>()) {}
Context::~Context() = default;

Context& context() {
    if (!gContext) gContext = std::make_unique<Context>();
    return *gContext;
}

void resetContext() {
    gContext.reset();
}

}  // namespace bf
