// What the world knows of people, horses and what horses carry, for trading: riding and leading,
// the states that make a person unable to trade, horse cargo (pelts and carcasses), the things
// people carry in their hands, and the hitching posts by the towns.
//
// Every entity holds one TradeTraits (a member of Entity), so its state goes with it when the
// entity leaves the world and a reused handle starts clean.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/natives/native_table.h"
#include "sim/world/hash.h"

namespace sim {

class Game;
struct Entity;
struct World;

// States of a person that the game reports one native each (see natives/trading.cpp); the
// others come from what the world does (fights, lassos, falls, walking speed).
enum class PersonState : uint32_t {
    Hogtied = 1u << 0,
    Cuffed = 1u << 1,
};

// What a person rides in: a horse is not a vehicle; trains and boats are.
enum class Vehicle { None, Wagon, Train, Boat };

inline constexpr uint32_t kModelHitchingPost = gameHash("PROP_HITCHINGPOST");

// Paces on foot (m/s) above which a ped runs, and sprints.
inline constexpr float kRunningAbove = 2.25f;
inline constexpr float kSprintingAbove = 3.75f;

struct TradeTraits {
    uint32_t states = 0;
    // The ped group (the player's companions share his); 0 for none.
    uint32_t group = 0;
    Vehicle vehicle = Vehicle::None;
    // The interior the entity is in (0: out in the open).
    int32_t interior = 0;
    // Taking cover: going into it until this game time, in cover from then on (0: none).
    uint32_t coverFrom = 0;

    // Riding: the horse ridden now, the horse led by the reins, the post a horse is hitched to.
    int32_t mount = 0;
    int32_t ledHorse = 0;
    int32_t hitchedTo = 0;
    // Horses: the pelts and carcasses on it.
    std::vector<int32_t> cargo;

    // Cargo: a pelt (an object of the animal's model) with its item, or a carcass (the dead
    // animal itself); the horse it lies on, or the ped who holds it. A looted carcass has had
    // everything taken from it.
    bool pelt = false;
    uint32_t peltItem = 0;
    bool looted = false;
    int32_t onHorse = 0;
    int32_t heldBy = 0;
    // What this ped holds in its hands.
    int32_t holding = 0;

    // The scenario the ped acts out now (hash; 0 none), and the point he uses for it (0: none,
    // or in place).
    uint32_t scenario = 0;
    int32_t scenarioPoint = 0;

    bool has(PersonState s) const { return (states & static_cast<uint32_t>(s)) != 0; }
    void set(PersonState s, bool on) {
        if (on) {
            states |= static_cast<uint32_t>(s);
        } else {
            states &= ~static_cast<uint32_t>(s);
        }
    }
};

// The item hash of a pelt or carcass text ("Perfect Buck Pelt"); the game's text for it is that
// text (registered as a label by registerItemLabels).
inline uint32_t itemHash(const std::string& itemText) {
    return gameHash(itemText);
}
void registerItemLabels(World& world);

// A rider gets on or off; a ped takes a horse by the reins (0 lets go).
void mountHorse(World& world, Entity& rider, int32_t horse);
void dismountHorse(World& world, Entity& rider);
void leadHorse(World& world, Entity& ped, int32_t horse);

// Puts a pelt or carcass of the animal model on the horse; returns the new entity.
Entity& addCargo(Game& game, Entity& horse, uint32_t animalModel, bool pelt, int32_t quality,
                 float scale, bool looted = false);
// Who carries the entity: the ped holding it, or the horse it lies on (0: nobody).
int32_t carrierOf(const World& world, const Entity& e);
// The ped holds something, or (a horse) has cargo on it.
bool carriesSomething(const World& world, const Entity& ped);
// Takes the entity off whatever horse carries it; false when no horse does.
bool takeOffHorse(World& world, Entity& item);

// Peds that fight each other.
void startFight(Entity& a, Entity& b);

// A hitching post (an object of PROP_HITCHINGPOST) at a point, with its scenario point.
Entity& placeHitchingPost(World& world, Vec3 position);

// Keeps horses under their riders, led horses at their leader's side and cargo with whatever
// holds it (the step after walking and tasks).
void followRidersAndCarriers(World& world);

}  // namespace sim
