// Texture dictionaries.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerStreamingNatives(Game& game) {
    NativeTable& t = game.natives();
    t.add(0xC1BA29DF5631B0F8, "REQUEST_STREAMED_TEXTURE_DICT", 2, [&game](NativeCall& c) {
        if (c.str(0)) game.world().streaming.requestTextureDict(c.str(0), game.frame());
    });
    t.add(0x54D6900929CCF162, "HAS_STREAMED_TEXTURE_DICT_LOADED", 1, [&game](NativeCall& c) {
        c.retBool(c.str(0) && game.world().streaming.textureDictLoaded(c.str(0), game.frame()));
    });
}

}  // namespace sim
