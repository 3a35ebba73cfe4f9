#include "sim/world/trade_people.h"

#include <algorithm>

#include "sim/game.h"

namespace sim {

namespace {

// Where a led horse walks: this far behind its leader.
constexpr float kLeadDistance = 1.5f;

void removeFrom(std::vector<int32_t>& list, int32_t handle) {
    list.erase(std::remove(list.begin(), list.end(), handle), list.end());
}

}  // namespace

void registerItemLabels(World& world) {
    for (const auto& [hash, model] : world.models.all()) {
        if (model.human || model.display.empty()) continue;
        for (int32_t quality = 0; quality <= 2; ++quality) {
            for (const std::string& text : {model.peltItem(quality), model.carcassItem(quality)})
                world.screen.addLabel(itemHash(text), text);
        }
    }
}

void mountHorse(World& world, Entity& rider, int32_t horse) {
    if (rider.trade.mount != 0) dismountHorse(world, rider);
    rider.trade.mount = horse;
    rider.trade.ledHorse = 0;
    if (Entity* h = world.entities.find(horse)) {
        h->trade.hitchedTo = 0;
        rider.position = h->position;
    }
    if (rider.handle == world.player.ped) world.hunting.playerMount = horse;
}

void dismountHorse(World& world, Entity& rider) {
    const Entity* horse = world.entities.find(rider.trade.mount);
    rider.trade.mount = 0;
    if (rider.handle == world.player.ped) world.hunting.playerMount = 0;
    // He stands at the horse's left side.
    if (horse) rider.position = {horse->position.x - 1.0f, horse->position.y, horse->position.z};
}

void leadHorse(World& world, Entity& ped, int32_t horse) {
    if (ped.trade.mount != 0) dismountHorse(world, ped);
    ped.trade.ledHorse = horse;
    if (Entity* h = world.entities.find(horse)) h->trade.hitchedTo = 0;
}

Entity& addCargo(Game& game, Entity& horse, uint32_t animalModel, bool pelt, int32_t quality,
                 float scale, bool looted) {
    World& world = game.world();
    const ModelInfo& model = *world.models.find(animalModel);
    Entity& item = world.entities.create(pelt ? EntityKind::Object : EntityKind::Ped, animalModel,
                                         horse.position, horse.heading);
    item.condition.quality = quality;
    if (pelt) {
        item.trade.pelt = true;
        item.trade.peltItem = itemHash(model.peltItem(quality));
    } else {
        applyModel(item, model);
        item.health = 0.0f;
        markDead(item, game.timer());
        item.trade.looted = looted;
        if (scale > 0.0f) {
            item.condition.scale = scale;
            item.decorators["VX_Brackenfold_Scale"] = {DecoratorType::Float, 0, scale};
        }
    }
    item.trade.onHorse = horse.handle;
    horse.trade.cargo.push_back(item.handle);
    game.report("world", std::string(pelt ? model.peltItem(quality) : model.carcassItem(quality)) +
                             " put on horse " + std::to_string(horse.handle));
    return item;
}

bool takeOffHorse(World& world, Entity& item) {
    Entity* horse = world.entities.find(item.trade.onHorse);
    item.trade.onHorse = 0;
    if (!horse) return false;
    removeFrom(horse->trade.cargo, item.handle);
    return true;
}

int32_t carrierOf(const World& world, const Entity& e) {
    for (int32_t by : {e.trade.heldBy, e.trade.onHorse}) {
        const Entity* carrier = world.entities.find(by);
        if (carrier &&
            (carrier->trade.holding == e.handle ||
             std::count(carrier->trade.cargo.begin(), carrier->trade.cargo.end(), e.handle) != 0)) {
            return by;
        }
    }
    return 0;
}

bool carriesSomething(const World& world, const Entity& ped) {
    if (world.entities.exists(ped.trade.holding)) return true;
    for (int32_t item : ped.trade.cargo) {
        if (world.entities.exists(item)) return true;
    }
    return false;
}

void startFight(Entity& a, Entity& b) {
    a.combatTarget = b.handle;
    b.combatTarget = a.handle;
}

Entity& placeHitchingPost(World& world, Vec3 position) {
    Entity& post = world.entities.create(EntityKind::Object, kModelHitchingPost, position);
    // Its point is of the scenario type named after the prop; a rider hitches his horse there.
    world.scenarioPoints.addOwned(entityOwner(post.handle),
                                  {position.x + 1.0f, position.y, position.z}, kModelHitchingPost);
    return post;
}

void followRidersAndCarriers(World& world) {
    auto& all = world.entities.all();
    for (auto& [handle, e] : all) {
        TradeTraits& t = e.trade;
        if (t.mount != 0) {
            Entity* horse = world.entities.find(t.mount);
            if (!horse || horse->dead) {
                t.mount = 0;
            } else {
                horse->position = e.position;
                horse->heading = e.heading;
            }
        }
        if (t.ledHorse != 0) {
            Entity* horse = world.entities.find(t.ledHorse);
            if (!horse || horse->dead) {
                t.ledHorse = 0;
            } else {
                const float d = distance3d(horse->position, e.position);
                if (d > kLeadDistance) {
                    const float k = (d - kLeadDistance) / d;
                    horse->position.x += (e.position.x - horse->position.x) * k;
                    horse->position.y += (e.position.y - horse->position.y) * k;
                    horse->position.z += (e.position.z - horse->position.z) * k;
                }
            }
        }
    }
    // Cargo after the horses have moved.
    for (auto& [handle, e] : all) {
        if (e.trade.onHorse != 0) {
            if (const Entity* horse = world.entities.find(e.trade.onHorse)) {
                e.position = horse->position;
            } else {
                e.trade.onHorse = 0;
            }
        } else if (e.trade.heldBy != 0) {
            const Entity* holder = world.entities.find(e.trade.heldBy);
            if (holder && holder->trade.holding == handle) {
                e.position = holder->position;
            } else {
                e.trade.heldBy = 0;
            }
        }
    }
}

}  // namespace sim
