// What is on screen: texts, sprites and the last frame's picture; prompts, and the player
// pressing or holding one; blips on the map.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "sim/scenario/commands.h"
#include "sim/scenario/screenshot.h"

namespace sim::scenario {

namespace {

// "expect sprite DICT NAME [R G B A]": the colour counts when it is given.
bool spriteDrawn(Runner& run, const Args& a) {
    for (const auto& sprite : run.game().world().screen.lastFrameSprites) {
        if (sprite.dictionary != a[0] || sprite.name != a[1]) continue;
        if (a.size() == 2) return true;
        if (sprite.red == a.integer(2) && sprite.green == a.integer(3) &&
            sprite.blue == a.integer(4) && sprite.alpha == a.integer(5)) {
            return true;
        }
    }
    return false;
}

void checkColour(const Args& a) {
    if (a.size() != 2 && a.size() != 6) {
        throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                          ": expected 'expect sprite DICT NAME [R G B A]'");
    }
    for (size_t i = 2; i < a.size(); ++i)
        a.integer(i);
}

// "expect screenshot FILE.svg": the last frame's picture equals the stored one (FILE relative to
// the scenario). With BRACKENFOLD_RECORD_SCREENSHOTS=1 the picture is stored instead.
void expectScreenshot(Runner& run, const Args& a) {
    const std::filesystem::path stored = run.scenarioDir() / a[0];
    const std::string drawn = screenshotSvg(run.game().world().screen);
    const char* record = std::getenv("BRACKENFOLD_RECORD_SCREENSHOTS");
    if (record && std::string(record) == "1") {
        std::error_code ignored;
        std::filesystem::create_directories(stored.parent_path(), ignored);
        std::ofstream out(stored, std::ios::binary | std::ios::trunc);
        out << drawn;
        run.expect(static_cast<bool>(out), "cannot record the picture " + stored.string());
        run.out() << "         sim     recorded " << stored.string() << "\n";
        return;
    }
    std::ifstream in(stored, std::ios::binary);
    run.expect(static_cast<bool>(in), "no stored picture " + stored.string() +
                                          " (record it with BRACKENFOLD_RECORD_SCREENSHOTS=1)");
    std::stringstream expected;
    expected << in.rdbuf();
    const auto difference = compareScreenshots(expected.str(), drawn);
    if (!difference) {
        run.expect(true, "");
        return;
    }
    const std::filesystem::path actual = run.gameDir() / (stored.stem().string() + ".actual.svg");
    std::ofstream(actual, std::ios::binary | std::ios::trunc) << drawn;
    run.expect(false, "the last frame differs from " + stored.string() + ": " + *difference +
                          "; the frame's picture is " + actual.string() +
                          " (BRACKENFOLD_RECORD_SCREENSHOTS=1 stores it)");
}

// The control the player uses: that of the prompt on screen whose text contains `text`, or of
// the first enabled one on screen.
uint32_t controlOnScreen(Runner& run, const std::string* text) {
    World& world = run.game().world();
    for (const Prompt* p : world.prompts.shown(world.player.target)) {
        if (text ? p->text.find(*text) == std::string::npos : !p->enabled) continue;
        run.game().report("input", "the player uses the prompt \"" + p->text + "\"");
        return p->control;
    }
    run.expect(false, text ? "no prompt on screen with the text \"" + *text + "\""
                           : std::string("no enabled prompt on screen for the player to use"));
    return 0;
}

const Prompt* promptWithText(Runner& run, const std::string& text) {
    for (const auto& [handle, p] : run.game().world().prompts.all()) {
        if (p.registered && p.text.find(text) != std::string::npos) return &p;
    }
    return nullptr;
}

}  // namespace

void registerScreenCommands(CommandRegistry& r) {
    r.add({"expect screen", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               bool shown = false;
               for (const auto& item : run.game().world().screen.shownSinceMark()) {
                   if (item.text.find(a[0]) != std::string::npos) shown = true;
               }
               run.expect(shown, "nothing on screen contained \"" + a[0] +
                                     "\" since the previous time command");
           }});
    r.add({"expect sprite", Phase::Anywhere, 2, 6, checkColour, [](Runner& run, const Args& a) {
               std::string what = "sprite " + a[0] + " " + a[1];
               if (a.size() == 6) what += " in " + a[2] + " " + a[3] + " " + a[4] + " " + a[5];
               run.expect(spriteDrawn(run, a), what + " was not drawn in the last frame");
           }});
    r.add({"expect no-sprite", Phase::Anywhere, 2, 2, nullptr, [](Runner& run, const Args& a) {
               run.expect(!spriteDrawn(run, a),
                          "sprite " + a[0] + " " + a[1] + " was drawn in the last frame");
           }});
    r.add({"expect screenshot", Phase::Anywhere, 1, 1, nullptr, expectScreenshot});
    r.add({"press prompt", Phase::Time, 0, 1, nullptr, [](Runner& run, const Args& a) {
               Prompts& prompts = run.game().world().prompts;
               prompts.press(controlOnScreen(run, a.size() == 1 ? &a[0] : nullptr));
               run.runFrame();
               prompts.release();
           }});
    r.add({"hold prompt", Phase::Time, 1, 2, [](const Args& a) { a.durationMs(0); },
           [](Runner& run, const Args& a) {
               Prompts& prompts = run.game().world().prompts;
               prompts.hold(controlOnScreen(run, a.size() == 2 ? &a[1] : nullptr));
               run.runFor(a.durationMs(0));
               prompts.release();
           }});
    r.add({"expect prompt", Phase::Anywhere, 2, 2,
           [](const Args& a) {
               if (!a.is(1, "visible") && !a.is(1, "hidden") && !a.is(1, "enabled") &&
                   !a.is(1, "disabled")) {
                   throw SyntaxError("line " + std::to_string(a.lineNumber()) +
                                     ": expected visible, hidden, enabled or disabled");
               }
           },
           [](Runner& run, const Args& a) {
               const Prompt* p = promptWithText(run, a[0]);
               const std::string& state = a[1];
               if (state == "hidden") {
                   // A text no prompt ever had is a mistake in the scenario, not a hidden prompt.
                   run.expect(p || run.game().world().prompts.everRegistered(a[0]),
                              "no prompt with the text \"" + a[0] + "\" was ever registered");
                   run.expect(!p || !p->visible, "the prompt \"" + a[0] + "\" is visible");
                   return;
               }
               run.expect(p != nullptr, "no prompt with the text \"" + a[0] + "\"");
               const bool holds = state == "visible"   ? p->visible
                                  : state == "enabled" ? p->enabled
                                                       : !p->enabled;
               run.expect(holds, "the prompt \"" + p->text + "\" is not " + state);
           }});
    r.add({"expect prompt-count", Phase::Anywhere, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) {
               const World& world = run.game().world();
               const size_t count = world.prompts.shown(world.player.target).size();
               run.expect(static_cast<int64_t>(count) == a.integer(0),
                          std::to_string(count) + " prompts are on screen, expected " + a[0]);
           }});
    r.add({"expect blip", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               bool found = false;
               for (const auto& [handle, blip] : run.game().world().blips.all()) {
                   if (blip.name.find(a[0]) != std::string::npos) found = true;
               }
               run.expect(found, "no blip named with \"" + a[0] + "\" exists");
           }});
    r.add({"expect blip-count", Phase::Anywhere, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) {
               const size_t count = run.game().world().blips.all().size();
               run.expect(static_cast<int64_t>(count) == a.integer(0),
                          std::to_string(count) + " blips exist, expected " + a[0]);
           }});
}

}  // namespace sim::scenario
