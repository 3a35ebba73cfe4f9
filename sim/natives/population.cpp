// What the population asks of the game: whether a death was a kill, and animal type names.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerPopulationNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    // The game timer at the ped's death; 0 while it lives.
    t.add(0x1E98817B311AE98A, "GET_PED_TIME_OF_DEATH", 1, Result::Int32, [&world](NativeCall& c) {
        const Entity* e = world.entities.find(c.i32(0));
        c.retU32(e && e->dead ? e->diedAt : 0);
    });
    // By the model: horses, dogs, cats and cattle are domestic; people are not animals at all.
    t.add(0x3B005FF0538ED2A9, "_GET_ANIMAL_IS_WILD", 1, Result::Int32, [&world](NativeCall& c) {
        const Entity* e = world.entities.find(c.i32(0));
        const ModelInfo* model = e ? world.models.find(e->model) : nullptr;
        c.retBool(e && e->kind == EntityKind::Ped && model && model->wild);
    });
    t.add(0xBD5DD5EAE2B6CE14, "GET_STRING_FROM_HASH_KEY", 1, Result::String,
          [&world](NativeCall& c) { c.retPtr(world.models.typeName(c.u32(0))); });
    // The game's labels of the animal types, for the (0, hash) form of CREATE_VAR_STRING.
    for (const auto& [hash, model] : world.models.all()) {
        if (model.animalType != 0) world.screen.addLabel(model.animalType, model.typeName);
    }
}

}  // namespace sim
