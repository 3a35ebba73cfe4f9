#include "sim/world/wildlife.h"

#include <cmath>
#include <map>

#include "sim/game.h"
#include "sim/world/animals.h"
#include "sim/world/hash.h"
#include "sim/world/terrain.h"

namespace sim {

namespace {

using ModelNames = std::vector<std::string>;

constexpr float kTwoPi = 6.2831853f;

const ModelNames kNewAustin = {"a_c_coyote_01", "a_c_rabbit_01", "a_c_cougar_01"};

const std::map<uint32_t, ModelNames>& habitats() {
    static const std::map<uint32_t, ModelNames> table = {
        {0x07D4FF5F,  // Heartlands
         {"a_c_buck_01", "a_c_bull_01", "a_c_coyote_01", "a_c_goosecanada_01", "a_c_pronghorn_01",
          "a_c_rabbit_01"}},
        {0x6D67801E,  // Cumberland
         {"a_c_bear_01", "a_c_buck_01", "a_c_cougar_01", "a_c_rabbit_01"}},
        {0xF8D68DC1, {"a_c_bear_01", "a_c_moose_01", "a_c_bighornram_01"}},  // Grizzlies East
        {0x62162401, {"a_c_bear_01", "a_c_moose_01", "a_c_bighornram_01"}},  // Grizzlies West
        {0x0AA5F25D,                                                         // Roanoke
         {"a_c_bear_01", "a_c_buck_01", "a_c_moose_01", "a_c_rabbit_01"}},
        {0xCC7C3314,  // Scarlett Meadows
         {"a_c_buck_01", "a_c_bull_01", "a_c_boar_01", "a_c_coyote_01", "a_c_rabbit_01"}},
        {0x4DFA0B50,  // Bluewater Marsh
         {"a_c_alligator_01", "a_c_boar_01", "a_c_duck_01", "a_c_goosecanada_01"}},
        {0x78BFE1AC,  // Bayou Nwa
         {"a_c_alligator_01", "a_c_panther_01", "a_c_boar_01", "a_c_duck_01"}},
        {0x3108C492,  // Big Valley
         {"a_c_bear_01", "a_c_buck_01", "a_c_cougar_01", "a_c_coyote_01", "a_c_rabbit_01"}},
        {0x6467EF09,  // Tall Trees
         {"a_c_bear_01", "a_c_buck_01", "a_c_cougar_01", "a_c_panther_01", "a_c_rabbit_01"}},
        {0x1C68EA97,  // Great Plains
         {"a_c_coyote_01", "a_c_pronghorn_01", "a_c_rabbit_01"}},
        {0x35390B10,  // Hennigans Stead
         {"a_c_bull_01", "a_c_coyote_01", "a_c_pronghorn_01", "a_c_rabbit_01"}},
        {0xF9831C72,  // Cholla Springs
         {"a_c_coyote_01", "a_c_pronghorn_01", "a_c_rabbit_01"}},
        {0x84D7AD0E,  // Gaptooth Ridge
         {"a_c_cougar_01", "a_c_coyote_01", "a_c_bighornram_01"}},
        {0x8016C23F, kNewAustin},                          // Rio Bravo
        {0x19700C95, {"a_c_coyote_01"}},                   // Diez Coronas
        {0xB1531168, {"a_c_coyote_01", "a_c_rabbit_01"}},  // Perdido
        {0x56A7C746, {"a_c_coyote_01"}},                   // Punta Orgullo
    };
    return table;
}

}  // namespace

const std::vector<std::string>& Wildlife::habitat(uint32_t district) {
    static const ModelNames kNone;
    auto it = habitats().find(district);
    return it == habitats().end() ? kNone : it->second;
}

void Wildlife::step(Game& game) {
    World& world = game.world();
    const uint32_t scenario = world.player.scenario;
    if (scenario != lastScenario_ && (scenario == gameHash("WORLD_PLAYER_PLACE_BAIT_NORMAL") ||
                                      scenario == gameHash("WORLD_PLAYER_PLACE_BAIT_POTENT"))) {
        if (const Entity* player = world.entities.find(world.player.ped))
            baits.push_back({player->position, game.timer()});
    }
    lastScenario_ = scenario;
    if (!enabled) return;
    if (!started_) {
        started_ = true;
        nextSpawnAt_ = game.timer() + kSpawnPeriodMs;
    }
    if (static_cast<int32_t>(game.timer() - nextSpawnAt_) < 0) return;
    nextSpawnAt_ = game.timer() + kSpawnPeriodMs;

    const Entity* player = world.entities.find(world.player.ped);
    if (!player) return;
    size_t nearby = 0;
    for (const auto& [handle, e] : world.entities.all()) {
        if (e.released && !e.dead && distance3d(e.position, player->position) <= kNearbyRange)
            ++nearby;
    }
    if (nearby >= kMaxNearby) return;

    Random& random = game.random();
    const Bait* bait = nullptr;
    for (const Bait& b : baits) {
        if (game.timer() - b.placedAt < kBaitDrawsMs &&
            distance3d(b.position, player->position) <= kNearbyRange)
            bait = &b;
    }
    const Vec3 centre = bait ? bait->position : player->position;
    const float a = random.floatInRange(0.0f, kTwoPi);
    const float r =
        bait ? random.floatInRange(20.0f, 40.0f) : random.floatInRange(kSpawnMin, kSpawnMax);
    const float x = centre.x + r * std::cos(a);
    const float y = centre.y + r * std::sin(a);
    const auto ground = Terrain::heightAt(x, y);
    const ModelNames& here = habitat(world.zones.at({x, y, 0.0f}, Zones::kDistrict));
    if (!ground || here.empty()) return;
    const std::string& model =
        here[static_cast<size_t>(random.intInRange(0, static_cast<int32_t>(here.size())))];
    const ModelInfo* info = world.models.find(model);
    if (!info) return;
    // Ambient animals come in every quality, most of them average: 25% poor, 20% perfect.
    const int32_t roll = random.intInRange(0, 100);
    const int32_t quality = roll < 25 ? 0 : roll < 80 ? 1 : 2;
    const float heading = random.floatInRange(0.0f, 360.0f);
    Entity& ped = spawnPed(game, *info, {x, y, *ground}, heading, quality, 1.0f);
    ped.released = true;
    ped.drawnByBait = bait != nullptr;
    ++spawned;
    game.report("world", "ambient animal: " + model);
}

}  // namespace sim
