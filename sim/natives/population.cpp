// What the population asks of the game: whether a death was a kill, and animal type names.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerPopulationNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    t.add(0x1E98817B311AE98A, "GET_PED_TIME_OF_DEATH", 1, Result::Int32, [&world](NativeCall& c) {
        const Entity* e = world.entities.find(c.i32(0));
        c.retBool(e && e->dead && e->condition.killedByDamage);
    });
    // Animals leave a body to skin or carry; people do not count.
    t.add(0x3B005FF0538ED2A9, "_GET_ANIMAL_IS_WILD", 1, Result::Int32, [&world](NativeCall& c) {
        const Entity* e = world.entities.find(c.i32(0));
        const ModelInfo* model = e ? world.models.find(e->model) : nullptr;
        c.retBool(model && model->isAnimal());
    });
    t.add(0xBD5DD5EAE2B6CE14, "GET_STRING_FROM_HASH_KEY", 1, Result::String,
          [&world](NativeCall& c) { c.retPtr(world.models.typeName(c.u32(0))); });
    // The game's labels of the animal types, for the (0, hash) form of CREATE_VAR_STRING.
    for (const auto& [hash, model] : world.models.all()) {
        if (model.animalType != 0) world.screen.addLabel(model.animalType, model.typeName);
    }
}

}  // namespace sim
