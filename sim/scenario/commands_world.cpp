// The world's scenario commands: the player pressing or holding a prompt, and expectations on
// prompts and blips.
#include "sim/scenario/commands.h"

namespace sim::scenario {

namespace {

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

void registerWorldCommands(CommandRegistry& r) {
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
    r.add({"expect blip-count", Phase::Anywhere, 1, 1, [](const Args& a) { a.integer(0); },
           [](Runner& run, const Args& a) {
               const size_t count = run.game().world().blips.all().size();
               run.expect(static_cast<int64_t>(count) == a.integer(0),
                          std::to_string(count) + " blips exist, expected " + a[0]);
           }});
    r.add({"expect blip", Phase::Anywhere, 1, 1, nullptr, [](Runner& run, const Args& a) {
               bool found = false;
               for (const auto& [handle, blip] : run.game().world().blips.all()) {
                   if (blip.name.find(a[0]) != std::string::npos) found = true;
               }
               run.expect(found, "no blip named with \"" + a[0] + "\" exists");
           }});
}

}  // namespace sim::scenario
