// Everything the simulated game knows about its world, one member per domain.
#pragma once

#include "sim/world/animals.h"
#include "sim/world/blips.h"
#include "sim/world/chaos.h"
#include "sim/world/decorators.h"
#include "sim/world/entities.h"
#include "sim/world/events.h"
#include "sim/world/models.h"
#include "sim/world/navmesh.h"
#include "sim/world/player.h"
#include "sim/world/prompts.h"
#include "sim/world/prop_sets.h"
#include "sim/world/random.h"
#include "sim/world/relationships.h"
#include "sim/world/scenario_points.h"
#include "sim/world/screen.h"
#include "sim/world/speech.h"
#include "sim/world/streaming.h"
#include "sim/world/tasks.h"
#include "sim/world/trade_tasks.h"
#include "sim/world/wildlife.h"
#include "sim/world/zones.h"

namespace sim {

struct World {
    explicit World(uint32_t seed)
        : random(seed),
          entities(random),
          screen(random),
          scenarioPoints(random),
          prompts(random),
          blips(random),
          chaos(random) {}

    // The game's one generator: every draw of the world and of the random natives.
    Random random;
    Entities entities;
    Player player;
    Screen screen;
    Streaming streaming;
    Zones zones;
    Decorators decorators;
    EventQueue events;
    HuntingState hunting;
    Models models;
    ScenarioPoints scenarioPoints;
    Prompts prompts;
    Blips blips;
    SpeechLog speech;
    Wildlife wildlife;
    TaskSequences sequences;
    Navmesh navmesh;
    Relationships relationships;
    PropSets propSets;
    TradeWorld trade;
    // The game not playing along (off unless a run asks for it).
    Chaos chaos;
};

}  // namespace sim
