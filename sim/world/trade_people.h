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

// States of a person that the game reports one native each (see natives/trading.cpp).
enum class PersonState : uint32_t {
    InVehicle = 1u << 0,
    GettingUp = 1u << 1,
    HandsUp = 1u << 4,
    Hogtied = 1u << 5,
    BeingCarried = 1u << 6,
    Lassoed = 1u << 7,
    RespondingToEvent = 1u << 8,
    StoryCharacter = 1u << 9,
    InConversation = 1u << 10,  // the scenario language's "busy"
    Working = 1u << 11,
    InDuel = 1u << 12,
};

inline constexpr uint32_t kModelHitchingPost = gameHash("PROP_HITCHINGPOST");

struct TradeTraits {
    uint32_t states = 0;
    // The ped group (the player's companions share his); 0 for none.
    uint32_t group = 0;

    // Riding: the horse ridden now, the horse led by the reins, the post a horse is hitched to.
    int32_t mount = 0;
    int32_t ledHorse = 0;
    int32_t hitchedTo = 0;
    // Horses: whether it wears a saddle (only a saddled horse carries cargo), and its cargo.
    bool saddled = true;
    std::vector<int32_t> cargo;

    // Cargo: a pelt (an object of the animal's model) with its item, or a carcass (the dead
    // animal itself); the horse it lies on, or the ped who holds it.
    bool pelt = false;
    uint32_t peltItem = 0;
    bool pristine = false;
    bool spoiled = false;
    int32_t onHorse = 0;
    int32_t heldBy = 0;
    // What this ped holds in its hands.
    int32_t holding = 0;

    // The scenario the ped acts out now (hash; 0 none).
    uint32_t scenario = 0;

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
                 float scale);
// Takes the entity off whatever horse carries it; false when no horse does.
bool takeOffHorse(World& world, Entity& item);

// Peds that fight each other.
void startFight(Entity& a, Entity& b);

// A hitching post (an object of PROP_HITCHINGPOST) at a point.
Entity& placeHitchingPost(World& world, Vec3 position);

// Keeps horses under their riders, led horses at their leader's side and cargo with whatever
// holds it (the step after walking and tasks).
void followRidersAndCarriers(World& world);

}  // namespace sim
