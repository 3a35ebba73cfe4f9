// Shots fired by peds the game drives, what a ped can see, and animals fleeing.
//
// A shot hits with a chance from the shooter's accuracy and the distance (none beyond the
// weapon's range or through the ground); a hit lands on the head or a body bone, takes health
// by the weapon and the size of the animal, may kill, and raises entity damaged with that
// shooter and weapon. Every shot startles the animals round its target.
#pragma once

#include <cstdint>

#include "sim/natives/native_table.h"

namespace sim {

class Game;
struct Entity;

// How far a ped can see another.
inline constexpr float kSightRange = 120.0f;
// Animals this near a shot's target run from it.
inline constexpr float kStartleRange = 40.0f;
inline constexpr uint32_t kFleeMs = 8000;
inline constexpr float kFleeSpeed = 6.0f;
// The moment between a shot and an animal's bolting.
inline constexpr uint32_t kFleeReactionMs = 400;

// Within kSightRange and no ground between the eyes of `a` and the body of `b`.
bool canSee(const Entity& a, const Entity& b);
// What the ped makes of `other` when asked: 0 not in view, 2 not sure yet (in view, as far as
// the ped has been watching it, for less than kSightSettleMs), 1 seen. Watching starts with the
// first question that finds it in view and ends with one that does not.
inline constexpr uint32_t kSightSettleMs = 500;
int32_t sightOf(const Game& game, Entity& ped, const Entity& other);
// The chance that a shot from `shooter` at something `distance` metres away hits.
double hitChance(const Entity& shooter, float distance);
void fireShot(Game& game, Entity& shooter, Entity& target);
// The animal runs from `from` for a while, from shortly after now.
void startFlee(Game& game, Entity& animal, Vec3 from);

}  // namespace sim
