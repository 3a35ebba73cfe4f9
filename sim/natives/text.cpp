// Text handles, the on-screen message, the help-text and notification feeds, and drawn texts.
#include <cstring>

#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

namespace {

// What the player reads: the drawn text without its <FONT ...> mark-up.
std::string withoutMarkup(const std::string& text) {
    std::string plain;
    bool inTag = false;
    for (char c : text) {
        if (c == '<') inTag = true;
        if (!inTag) plain += c;
        if (c == '>') inTag = false;
    }
    return plain;
}

// The text a feed block names; a handle that is not from this frame fails the run, as the game
// would show garbage for it.
bool feedText(Game& game, NativeCall& c, const char* native, std::string& text) {
    const auto* blockA = c.ptr<const uint64_t>(0);
    const auto* blockB = c.ptr<const uint64_t>(1);
    if (!blockA || !blockB) {
        game.fail(std::string(native) + " called with a null block");
        return false;
    }
    const char* pointer = game.world().screen.textPointer(blockB[1]);
    if (!pointer) {
        game.fail(std::string(native) + " called with an unknown text handle");
        return false;
    }
    text = pointer;
    return true;
}

}  // namespace

void registerTextNatives(Game& game) {
    NativeTable& t = game.natives();
    // The game's variable-string builder: (10, "LITERAL_STRING", text), (42, "COLOR_STRING", 0,
    // handle), (2, "CASH_STRING", cents), and (0, label hash), which gives the label's character
    // string itself.
    t.add(0xFA925AC00EB830B9, "CREATE_VAR_STRING", kVariadic, [&game](NativeCall& c) {
        Screen& screen = game.world().screen;
        const int32_t form = c.i32(0);
        if (form == 0 && c.argCount() == 2) {
            c.retPtr(screen.label(c.u32(1)));
            return;
        }
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

    // Feeds: (block A, block B, 1). Block B slot 1 holds the text handle.
    t.add(0x049D5C615BD38BAD, "UI_FEED_POST_HELP_TEXT", 3, [&game](NativeCall& c) {
        std::string text;
        if (!feedText(game, c, "UI_FEED_POST_HELP_TEXT", text)) return;
        game.world().screen.show("help", text);
        game.report("screen", "help: " + text);
    });
    t.add(0xB249EBCB30DD88E0, "UI_FEED_POST_NOTIFICATION", 3, [&game](NativeCall& c) {
        std::string text;
        if (!feedText(game, c, "UI_FEED_POST_NOTIFICATION", text)) return;
        // The cash layout names the item-type texture dictionary in slot 2.
        const auto* blockB = c.ptr<const uint64_t>(1);
        const char* dictionary = reinterpret_cast<const char*>(blockB[2]);
        const bool cash = dictionary && std::strcmp(dictionary, "ITEMTYPE_TEXTURES") == 0;
        const std::string kind = cash ? "cash" : "notification";
        game.world().screen.show(kind, text);
        game.report("screen", kind + ": " + text);
    });

    // Drawn texts: style first, then the coloured handle at a screen position. The style applies
    // to the next draw only.
    t.add(0x16FA5CE47F184F1E, "SET_TEXT_COLOR", 4, [&game](NativeCall& c) {
        TextStyle& style = game.world().screen.textStyle;
        style.red = c.i32(0);
        style.green = c.i32(1);
        style.blue = c.i32(2);
        style.alpha = c.i32(3);
    });
    t.add(0xA1253A3C870B6843, "SET_TEXT_SCALE", 2, [&game](NativeCall& c) {
        game.world().screen.textStyle.scaleX = c.f32(0);
        game.world().screen.textStyle.scaleY = c.f32(1);
    });
    t.add(0xBE5261939FBECB8C, "SET_TEXT_CENTRE", 1,
          [&game](NativeCall& c) { game.world().screen.textStyle.centred = c.flag(0); });
    t.add(0x16794E044C9EFB58, "DISPLAY_TEXT", 3, [&game](NativeCall& c) {
        Screen& screen = game.world().screen;
        const char* pointer = screen.textPointer(c.word(0));
        if (!pointer) {
            game.fail("DISPLAY_TEXT called with an unknown text handle");
            return;
        }
        screen.show("text", withoutMarkup(pointer));
        screen.textStyle = {};
    });
}

}  // namespace sim
