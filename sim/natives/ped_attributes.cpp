// What the game keeps about a ped besides its body: the name shown when targeted, a behaviour
// setting and its species' animal tuning values.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

namespace {

// The animal tuning value that holds how far an animal notices a hunter, in metres.
constexpr int32_t kTuningAwareness = 82;

}  // namespace

void registerPedAttributeNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    t.add(0x4A48B6E03BABB4AC, "_SET_PED_PROMPT_NAME", 2, Result::Void, [&world](NativeCall& c) {
        Entity* ped = world.entities.find(c.i32(0));
        if (ped && c.str(1)) ped->displayName = c.str(1);
    });
    // (ped, setting hash; "NONE" clears it)
    t.add(0x24C82EF607105FAA, "_SET_PED_INTERACTION_PERSONALITY", 2, Result::Void,
          [&world](NativeCall& c) {
              Entity* ped = world.entities.find(c.i32(0));
              if (ped) ped->behaviourHash = c.u32(1) == gameHash("NONE") ? 0 : c.u32(1);
          });
    // (animal, index): what its species is tuned to, the same for every animal of the model;
    // false for people and for indices the catalogue does not hold.
    t.add(0x1C1993824A396603, "GET_ANIMAL_TUNING_BOOL_PARAM", 2, Result::Int32,
          [&world](NativeCall& c) {
              const Entity* ped = world.entities.find(c.i32(0));
              const ModelInfo* model = ped ? world.models.find(ped->model) : nullptr;
              c.retBool(model && model->tuningBools.count(c.i32(1)) != 0);
          });
    // (animal, parameter): larger animals notice a hunter from farther off; 0 for people and
    // for parameters the world does not model.
    t.add(0x4BC3ECFDA0297E27, "GET_ANIMAL_TUNING_FLOAT_PARAM", 2, Result::Float,
          [&world](NativeCall& c) {
              const Entity* ped = world.entities.find(c.i32(0));
              const ModelInfo* model = ped ? world.models.find(ped->model) : nullptr;
              if (!model || model->human || c.i32(1) != kTuningAwareness) {
                  c.retFloat(0.0f);
                  return;
              }
              c.retFloat(25.0f + 5.0f * static_cast<float>(model->sizeClass));
          });
    // Hides the game's own HUD for the frame, which the simulated screen never draws.
    t.add(0xBF4F34A85CA2970D, "_HUD_HIDE_THIS_FRAME", 0, Result::Void, [](NativeCall&) {});
}

}  // namespace sim
