// Text handles and the on-screen message.
#include <cstdio>

#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

namespace {

std::string cashText(int32_t cents) {
    char buffer[32];
    const int64_t magnitude = cents < 0 ? -static_cast<int64_t>(cents) : cents;
    std::snprintf(buffer, sizeof buffer, "%s$%lld.%02lld", cents < 0 ? "-" : "",
                  static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
    return buffer;
}

}  // namespace

void registerTextNatives(Game& game) {
    NativeTable& t = game.natives();
    // The game's variable-string builder: (10, "LITERAL_STRING", text), (42, "COLOR_STRING", 0,
    // handle), (2, "CASH_STRING", cents).
    t.add(0xFA925AC00EB830B9, "CREATE_VAR_STRING", kVariadic, [&game](NativeCall& c) {
        Screen& screen = game.world().screen;
        const int32_t form = c.i32(0);
        const std::string kind = c.str(1) ? c.str(1) : "";
        if (form == 10 && kind == "LITERAL_STRING" && c.argCount() == 3) {
            c.retU64(screen.makeText(c.str(2) ? c.str(2) : ""));
        } else if (form == 42 && kind == "COLOR_STRING" && c.argCount() == 4) {
            c.retU64(screen.makeText(screen.text(c.word(3))));
        } else if (form == 2 && kind == "CASH_STRING" && c.argCount() == 3) {
            c.retU64(screen.makeText(cashText(c.i32(2))));
        } else {
            game.fail("CREATE_VAR_STRING called with an unknown form " + std::to_string(form));
        }
    });
    t.add(0xFA233F8FE190514C, "UI_SET_PENDING_MESSAGE", 1,
          [&game](NativeCall& c) { game.world().screen.pendingMessage = c.word(0); });
    t.add(0xE9990552DEC71600, "UI_PREPARE_PENDING_MESSAGE", 0, [](NativeCall&) {});
    t.add(0xDFF0D417277B41F8, "UI_SHOW_PENDING_MESSAGE", 0, [&game](NativeCall&) {
        Screen& screen = game.world().screen;
        if (!screen.pendingMessage) return;
        const std::string text = screen.text(screen.pendingMessage);
        screen.pendingMessage = 0;
        screen.show("message", text);
        game.report("screen", "message: " + text);
    });
}

}  // namespace sim
