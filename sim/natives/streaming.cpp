// Texture dictionaries and models.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerStreamingNatives(Game& game) {
    NativeTable& t = game.natives();
    t.add(0xC1BA29DF5631B0F8, "REQUEST_STREAMED_TEXTURE_DICT", 2, Result::Void,
          [&game](NativeCall& c) {
              World& world = game.world();
              if (c.str(0)) world.streaming.requestTextureDict(c.str(0), game.frame(), world.chaos);
          });
    t.add(
        0x54D6900929CCF162, "HAS_STREAMED_TEXTURE_DICT_LOADED", 1, Result::Int32,
        [&game](NativeCall& c) {
            c.retBool(c.str(0) && game.world().streaming.textureDictLoaded(c.str(0), game.frame()));
        });
    t.add(0xFA28FE3A6246FC30, "REQUEST_MODEL", 2, Result::Void, [&game](NativeCall& c) {
        World& world = game.world();
        world.streaming.requestModel(c.u32(0), world.models.find(c.u32(0)) != nullptr, game.frame(),
                                     world.chaos);
    });
    t.add(0x1283B8B89DD5D1B6, "HAS_MODEL_LOADED", 1, Result::Int32, [&game](NativeCall& c) {
        c.retBool(game.world().streaming.modelLoaded(c.u32(0), game.frame()));
    });
}

}  // namespace sim
