// Text handles, the on-screen message, the help-text and notification feeds, and drawn texts.
#include <cstring>

#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

namespace {

// The text handle a feed block names; a handle that is not from this frame fails the run, as the
// game would show garbage for it. The game copies the block but reads the text when it shows it.
bool feedText(Game& game, NativeCall& c, const char* native, uint64_t& handle) {
    const auto* blockA = c.ptr<const uint64_t>(0);
    const auto* blockB = c.ptr<const uint64_t>(1);
    if (!blockA || !blockB) {
        game.fail(std::string(native) + " called with a null block");
        return false;
    }
    handle = blockB[1];
    if (!game.world().screen.known(handle)) {
        game.fail(std::string(native) + " called with an unknown text handle");
        return false;
    }
    return true;
}

}  // namespace

void registerTextNatives(Game& game) {
    NativeTable& t = game.natives();
    // The game's variable-string builder: (10, "LITERAL_STRING", text), (42, "COLOR_STRING", 0,
    // handle), (2, "CASH_STRING", cents), and (0, label hash), which gives the label's character
    // string itself.
    t.add(0xFA925AC00EB830B9, "VAR_STRING", kVariadic, Result::String, [&game](NativeCall& c) {
        Screen& screen = game.world().screen;
        const int32_t form = c.i32(0);
        if (form == 0 && c.argCount() == 2) {
            c.retPtr(screen.label(c.u32(1)));
            return;
        }
        const std::string kind = c.str(1) ? c.str(1) : "";
        if (form == 10 && kind == "LITERAL_STRING" && c.argCount() == 3) {
            if (!c.str(2)) {
                game.fail("CREATE_VAR_STRING called with a null literal");
                return;
            }
            c.retU64(screen.makeLiteral(c.str(2)));
        } else if (form == 42 && kind == "COLOR_STRING" && c.argCount() == 4) {
            c.retU64(screen.makeColoured(c.word(3)));
        } else if (form == 2 && kind == "CASH_STRING" && c.argCount() == 3) {
            c.retU64(screen.makeText(cashText(c.i32(2))));
        } else {
            game.fail("CREATE_VAR_STRING called with an unknown form " + std::to_string(form));
        }
    });
    t.add(0xFA233F8FE190514C, "_UILOG_SET_CACHED_OBJECTIVE", 1, Result::Void,
          [&game](NativeCall& c) { game.world().screen.pendingMessage = c.word(0); });
    t.add(0xE9990552DEC71600, "_UILOG_PRINT_CACHED_OBJECTIVE", 0, Result::Void, [](NativeCall&) {});
    t.add(0xDFF0D417277B41F8, "_UILOG_CLEAR_CACHED_OBJECTIVE", 0, Result::Void,
          [&game](NativeCall&) {
              Screen& screen = game.world().screen;
              if (!screen.pendingMessage) return;
              screen.present("message", screen.pendingMessage);
              screen.pendingMessage = 0;
          });

    // Feeds: (block A, block B, 1). Block B slot 1 holds the text handle.
    t.add(0x049D5C615BD38BAD, "_UI_FEED_POST_HELP_TEXT", 3, Result::Int32, [&game](NativeCall& c) {
        uint64_t text = 0;
        if (feedText(game, c, "_UI_FEED_POST_HELP_TEXT", text))
            game.world().screen.present("help", text);
    });
    t.add(0xB249EBCB30DD88E0, "_UI_FEED_POST_SAMPLE_TOAST_RIGHT", 3, Result::Int32,
          [&game](NativeCall& c) {
              uint64_t text = 0;
              if (!feedText(game, c, "_UI_FEED_POST_SAMPLE_TOAST_RIGHT", text)) return;
              // The cash layout names the item-type texture dictionary in slot 2.
              const auto* blockB = c.ptr<const uint64_t>(1);
              const char* dictionary = reinterpret_cast<const char*>(blockB[2]);
              const bool cash = dictionary && std::strcmp(dictionary, "ITEMTYPE_TEXTURES") == 0;
              game.world().screen.present(cash ? "cash" : "notification", text);
          });

    // Drawn texts: style first, then the coloured handle at a screen position. The style applies
    // to the next draw only.
    t.add(0x16FA5CE47F184F1E, "_BG_SET_TEXT_COLOR", 4, Result::Void, [&game](NativeCall& c) {
        TextStyle& style = game.world().screen.textStyle;
        style.red = c.i32(0);
        style.green = c.i32(1);
        style.blue = c.i32(2);
        style.alpha = c.i32(3);
    });
    t.add(0xA1253A3C870B6843, "_BG_SET_TEXT_SCALE", 2, Result::Void, [&game](NativeCall& c) {
        game.world().screen.textStyle.scaleX = c.f32(0);
        game.world().screen.textStyle.scaleY = c.f32(1);
    });
    t.add(0xBE5261939FBECB8C, "SET_TEXT_CENTRE", 1, Result::Void,
          [&game](NativeCall& c) { game.world().screen.textStyle.centred = c.flag(0); });
    t.add(0x16794E044C9EFB58, "_BG_DISPLAY_TEXT", 3, Result::Void, [&game](NativeCall& c) {
        Screen& screen = game.world().screen;
        if (!screen.known(c.word(0))) {
            game.fail("DISPLAY_TEXT called with an unknown text handle");
            return;
        }
        screen.drawText(c.word(0), c.f32(1), c.f32(2));
        screen.textStyle = {};
    });
    t.add(0xDB917DA5C6835FCC, "GET_CURRENT_LANGUAGE", 0, Result::Int32,
          [&game](NativeCall& c) { c.ret(game.world().screen.language); });
}

}  // namespace sim
