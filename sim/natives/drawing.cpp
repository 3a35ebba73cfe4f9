// Sprites drawn for the current frame.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

void registerDrawingNatives(Game& game) {
    NativeTable& t = game.natives();
    // (dictionary, name, centre x, centre y, width, height, rotation, r, g, b, a, 1). Nothing is
    // drawn from a dictionary that has not finished loading.
    t.add(0xC9884ECADE94CB34, "DRAW_SPRITE", 12, Result::Void, [&game](NativeCall& c) {
        if (!c.str(0) || !c.str(1)) {
            game.fail("DRAW_SPRITE called with a null texture name");
            return;
        }
        if (!game.world().streaming.textureDictLoaded(c.str(0), game.frame())) return;
        game.world().screen.sprites.push_back({c.str(0), c.str(1), c.f32(2), c.f32(3), c.f32(4),
                                               c.f32(5), c.f32(6), c.i32(7), c.i32(8), c.i32(9),
                                               c.i32(10)});
    });
}

}  // namespace sim
