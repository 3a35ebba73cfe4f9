// Expectations on what the last frame drew and on the player's money.
#include "sim/scenario/commands.h"

namespace sim::scenario {

namespace {

bool spriteDrawn(Runner& run, const Args& a) {
    for (const auto& sprite : run.game().world().screen.lastFrameSprites) {
        if (sprite.dictionary == a[0] && sprite.name == a[1]) return true;
    }
    return false;
}

}  // namespace

void registerScreenCommands(CommandRegistry& r) {
    r.add({"expect sprite", Phase::Anywhere, 2, 2, nullptr, [](Runner& run, const Args& a) {
               run.expect(spriteDrawn(run, a),
                          "sprite " + a[0] + " " + a[1] + " was not drawn in the last frame");
           }});
    r.add({"expect no-sprite", Phase::Anywhere, 2, 2, nullptr, [](Runner& run, const Args& a) {
               run.expect(!spriteDrawn(run, a),
                          "sprite " + a[0] + " " + a[1] + " was drawn in the last frame");
           }});
    r.add({"expect cash", Phase::Anywhere, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) {
               const int64_t cents = run.game().world().player.cashCents;
               run.expect(cents == a.integer(0),
                          "the player has " + std::to_string(cents) + " cents, expected " + a[0]);
           }});
}

}  // namespace sim::scenario
