// Every game native the plug-in calls, once, by domain. Feature code calls these names and never
// a bare hash. Each domain header (core/natives/<domain>.h, as the simulated game's
// sim/natives/<domain>.cpp) starts with its table: the game's hash and name for each native, the
// argument words it takes and its result kind; the calls below it are held to the table.
//
// A native's game meaning is not always what its old name suggests: docs/natives.md lists each
// one whose meaning would surprise a reader, and what the plug-in does with it.
#pragma once

#include "core/natives/animals.h"
#include "core/natives/blips.h"
#include "core/natives/combat.h"
#include "core/natives/core.h"
#include "core/natives/decorators.h"
#include "core/natives/drawing.h"
#include "core/natives/entities.h"
#include "core/natives/environment.h"
#include "core/natives/events.h"
#include "core/natives/money.h"
#include "core/natives/ped_attributes.h"
#include "core/natives/peds.h"
#include "core/natives/player.h"
#include "core/natives/population.h"
#include "core/natives/prompts.h"
#include "core/natives/speech.h"
#include "core/natives/streaming.h"
#include "core/natives/tasks.h"
#include "core/natives/text.h"
#include "core/natives/trading.h"
#include "core/natives/weapons.h"
#include "core/natives/wildlife.h"
#include "core/natives/world.h"
#include "core/natives/zones.h"

namespace bf::natives {

// The table of every native the plug-in calls (the reference test reads it).
inline constexpr NativeRow kAllNatives[] = {
    BF_NATIVES_ANIMALS(BF_NATIVE_ROW) BF_NATIVES_BLIPS(BF_NATIVE_ROW) BF_NATIVES_COMBAT(
        BF_NATIVE_ROW) BF_NATIVES_CORE(BF_NATIVE_ROW) BF_NATIVES_DECORATORS(BF_NATIVE_ROW)
        BF_NATIVES_DRAWING(BF_NATIVE_ROW) BF_NATIVES_ENTITIES(BF_NATIVE_ROW) BF_NATIVES_ENVIRONMENT(
            BF_NATIVE_ROW) BF_NATIVES_EVENTS(BF_NATIVE_ROW) BF_NATIVES_MONEY(BF_NATIVE_ROW)
            BF_NATIVES_PED_ATTRIBUTES(BF_NATIVE_ROW) BF_NATIVES_PEDS(BF_NATIVE_ROW)
                BF_NATIVES_PLAYER(BF_NATIVE_ROW) BF_NATIVES_POPULATION(BF_NATIVE_ROW)
                    BF_NATIVES_PROMPTS(BF_NATIVE_ROW) BF_NATIVES_SPEECH(BF_NATIVE_ROW)
                        BF_NATIVES_STREAMING(BF_NATIVE_ROW) BF_NATIVES_TASKS(BF_NATIVE_ROW)
                            BF_NATIVES_TEXT(BF_NATIVE_ROW) BF_NATIVES_TRADING(BF_NATIVE_ROW)
                                BF_NATIVES_WEAPONS(BF_NATIVE_ROW) BF_NATIVES_WILDLIFE(BF_NATIVE_ROW)
                                    BF_NATIVES_WORLD(BF_NATIVE_ROW)
                                        BF_NATIVES_ZONES(BF_NATIVE_ROW)};

}  // namespace bf::natives
