// Blips: on entities, points and areas; sprite, modifiers, name, existence and removal.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

namespace {

void reportBlip(Game& game, const char* what, const Blip& blip) {
    game.report("blip", std::string(what) + (blip.name.empty() ? "" : ": " + blip.name));
}

}  // namespace

void registerBlipNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    auto added = [&game](NativeCall& c, int32_t blip) {
        if (blip != 0) game.report("blip", "blip added");
        c.ret(blip);
    };
    t.add(0x23F74C2FDA6E7C61, "BLIP_ADD_FOR_ENTITY", 2, Result::Int32,
          [&world, added](NativeCall& c) {
              const Entity* e = world.entities.find(c.i32(1));
              added(c, e ? world.blips.add(c.u32(0), e->handle, e->position, 0.0f) : 0);
          });
    t.add(
        0x554D9D53F696D002, "BLIP_ADD_FOR_COORDS", 4, Result::Int32,
        [&world, added](NativeCall& c) { added(c, world.blips.add(c.u32(0), 0, c.vec(1), 0.0f)); });
    t.add(0x45F13B7E0A15C880, "BLIP_ADD_FOR_RADIUS", 5, Result::Int32,
          [&world, added](NativeCall& c) {
              added(c, world.blips.add(c.u32(0), 0, c.vec(1), c.f32(4)));
          });
    t.add(0x74F74D3207ED525C, "SET_BLIP_SPRITE", 3, Result::Void, [&world](NativeCall& c) {
        if (Blip* b = world.blips.find(c.i32(0))) b->sprite = c.u32(1);
    });
    t.add(0x662D364ABF16DE2F, "BLIP_ADD_MODIFIER", 2, Result::Int32, [&world](NativeCall& c) {
        if (Blip* b = world.blips.find(c.i32(0))) b->modifiers.push_back(c.u32(1));
    });
    t.add(0xCD82FA174080B3B1, "DOES_BLIP_EXIST", 1, Result::Int32,
          [&world](NativeCall& c) { c.retBool(world.blips.find(c.i32(0)) != nullptr); });
    t.add(0xF2C3C9DA47AAA54A, "REMOVE_BLIP", 1, Result::Void, [&game, &world](NativeCall& c) {
        int32_t* handle = c.ptr<int32_t>(0);
        if (!handle) return;
        if (const Blip* b = world.blips.find(*handle)) {
            reportBlip(game, "blip removed", *b);
            world.blips.remove(*handle);
        }
        *handle = 0;
    });
    // The name is copied: text handles live only until the end of the frame.
    t.add(0x9CB1A1623062F402, "_SET_BLIP_NAME", 2, Result::Void, [&game, &world](NativeCall& c) {
        if (Blip* b = world.blips.find(c.i32(0))) {
            b->name = world.screen.text(c.word(1));
            reportBlip(game, "blip named", *b);
        }
    });
}

}  // namespace sim
