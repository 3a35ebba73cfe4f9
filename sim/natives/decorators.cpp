// Decorators: registration, then typed reads and writes on entities.
#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

namespace {

// The registered type of a decorator, or a failed run when a script uses one it never
// registered or uses it as another type.
bool usable(Game& game, const char* name, DecoratorType wanted) {
    if (!name) {
        game.fail("decorator used with a null name");
        return false;
    }
    const DecoratorType* type = game.world().decorators.typeOf(name);
    if (!type) {
        if (game.options().strict)
            game.fail(std::string("decorator \"") + name + "\" used before it was registered");
        return false;
    }
    if (*type != wanted) {
        if (game.options().strict)
            game.fail(std::string("decorator \"") + name + "\" used as another type");
        return false;
    }
    return true;
}

}  // namespace

void registerDecoratorNatives(Game& game) {
    NativeTable& t = game.natives();
    t.add(0x0B253D644E3C36B3, "DECOR_REGISTER", 2, Result::Void, [&game](NativeCall& c) {
        if (!c.str(0) || !game.world().decorators.registerName(c.str(0), c.i32(1))) {
            game.fail("DECOR_REGISTER with a null name or unknown type code " +
                      std::to_string(c.i32(1)));
        }
    });
    t.add(0x238F8B0C1C7FE834, "DECOR_SET_FLOAT", 3, Result::Int32, [&game](NativeCall& c) {
        Entity* e = game.world().entities.find(c.i32(0));
        const bool ok = usable(game, c.str(1), DecoratorType::Float) && e;
        if (ok) e->decorators[c.str(1)] = {DecoratorType::Float, 0, c.f32(2)};
        c.retBool(ok);
    });
    t.add(0xE5FF70CD842CA9D4, "DECOR_GET_FLOAT", 2, Result::Float, [&game](NativeCall& c) {
        const Entity* e = game.world().entities.find(c.i32(0));
        if (!usable(game, c.str(1), DecoratorType::Float) || !e) return c.retFloat(0.0f);
        auto it = e->decorators.find(c.str(1));
        c.retFloat(it == e->decorators.end() ? 0.0f : it->second.f);
    });
    t.add(0xE88F4D7F52A6090F, "DECOR_SET_INT", 3, Result::Int32, [&game](NativeCall& c) {
        Entity* e = game.world().entities.find(c.i32(0));
        const bool ok = usable(game, c.str(1), DecoratorType::Int) && e;
        if (ok) e->decorators[c.str(1)] = {DecoratorType::Int, c.i32(2), 0.0f};
        c.retBool(ok);
    });
    t.add(0x44DB62727762FD9B, "DECOR_GET_INT", 2, Result::Int32, [&game](NativeCall& c) {
        const Entity* e = game.world().entities.find(c.i32(0));
        if (!usable(game, c.str(1), DecoratorType::Int) || !e) return c.ret(0);
        auto it = e->decorators.find(c.str(1));
        c.ret(it == e->decorators.end() ? 0 : it->second.i);
    });
}

}  // namespace sim
