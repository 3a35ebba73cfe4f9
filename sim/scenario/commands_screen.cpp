// Expectations on what the last frame drew and on the player's money.
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

}  // namespace

void registerScreenCommands(CommandRegistry& r) {
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
    r.add({"expect cash", Phase::Anywhere, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) {
               const int64_t cents = run.game().world().player.cashCents;
               run.expect(cents == a.integer(0),
                          "the player has " + std::to_string(cents) + " cents, expected " + a[0]);
           }});
}

}  // namespace sim::scenario
