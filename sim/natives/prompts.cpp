// Prompts: registration, modes, flags, groups and completion.
#include <algorithm>

#include "sim/game.h"
#include "sim/natives/domains.h"

namespace sim {

namespace {

// A prompt the script names must exist; in the game a stale id does nothing.
Prompt* prompt(Game& game, const NativeCall& c) {
    return game.world().prompts.find(c.i32(0));
}

}  // namespace

void registerPromptNatives(Game& game) {
    NativeTable& t = game.natives();
    World& world = game.world();
    t.add(0x04F97DE45A519419, "_UI_PROMPT_REGISTER_BEGIN", 0, Result::Int32,
          [&world](NativeCall& c) { c.ret(world.prompts.begin()); });
    t.add(0xB5352B7494A08258, "_UI_PROMPT_SET_CONTROL_ACTION", 2, Result::Any,
          [&game](NativeCall& c) {
              if (Prompt* p = prompt(game, c)) p->control = c.u32(1);
          });
    // The text is copied: text handles live only until the end of the frame.
    t.add(0x5DD02A8318420DD7, "_UI_PROMPT_SET_TEXT", 2, Result::Void,
          [&game, &world](NativeCall& c) {
              if (Prompt* p = prompt(game, c)) {
                  p->text = world.screen.text(c.word(1));
                  world.prompts.noteText(*p);
              }
          });
    t.add(0x2F11D3A254169EA4, "_UI_PROMPT_SET_GROUP", 3, Result::Void, [&game](NativeCall& c) {
        if (Prompt* p = prompt(game, c)) p->group = c.i32(1);
    });
    t.add(0xCC6656799977741B, "_UI_PROMPT_SET_STANDARD_MODE", 2, Result::Void,
          [&game](NativeCall& c) {
              if (Prompt* p = prompt(game, c)) p->mode = PromptMode::Standard;
          });
    // (prompt, hold time in ms); a time below 1 is taken as 1.
    t.add(0x94073D5CA3F16B7B, "_UI_PROMPT_SET_HOLD_MODE", 2, Result::Void, [&game](NativeCall& c) {
        if (Prompt* p = prompt(game, c)) {
            p->mode = PromptMode::Hold;
            p->holdTimeMs = static_cast<uint32_t>(std::max(1, c.i32(1)));
        }
    });
    t.add(0x32DF729D8BD3C1C6, "_UI_PROMPT_SET_MASH_MANUAL_MODE", 5, Result::Void,
          [&game](NativeCall& c) {
              if (Prompt* p = prompt(game, c)) {
                  p->mode = PromptMode::Mash;
                  p->mashCount = std::max(1, c.i32(1));
              }
          });
    t.add(0x560E76D5E2E1803F, "_UI_PROMPT_SET_ATTRIBUTE", 3, Result::Void, [&game](NativeCall& c) {
        if (Prompt* p = prompt(game, c)) p->attributes[c.i32(1)] = c.flag(2);
    });
    t.add(0xF7AA2696A22AD8B9, "_UI_PROMPT_REGISTER_END", 1, Result::Void, [&game](NativeCall& c) {
        if (Prompt* p = prompt(game, c)) {
            p->registered = true;
            game.world().prompts.noteText(*p);
        }
    });
    t.add(0x8A0FB4D03A630D21, "_UI_PROMPT_SET_ENABLED", 2, Result::Void, [&game](NativeCall& c) {
        if (Prompt* p = prompt(game, c)) p->enabled = c.flag(1);
    });
    t.add(0x71215ACCFDE075EE, "_UI_PROMPT_SET_VISIBLE", 2, Result::Void, [&game](NativeCall& c) {
        if (Prompt* p = prompt(game, c)) p->visible = c.flag(1);
    });
    t.add(0x00EDE88D4D13CF59, "_UI_PROMPT_DELETE", 1, Result::Void,
          [&world](NativeCall& c) { world.prompts.remove(c.i32(0)); });
    t.add(0xB796970BD125FCE8, "_UI_PROMPT_GET_GROUP_ID_FOR_TARGET_ENTITY", 1, Result::Int32,
          [&world](NativeCall& c) {
              const Entity* e = world.entities.find(c.i32(0));
              c.ret(e && e->kind == EntityKind::Ped ? world.prompts.groupFor(e->handle) : 0);
          });
    t.add(0xC92AC953F0A982AE, "_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED", 2, Result::Int32,
          [&game](NativeCall& c) {
              const Prompt* p = prompt(game, c);
              c.retBool(p && p->standardCompleted);
          });
    t.add(0xE0F65F0640EF0617, "_UI_PROMPT_HAS_HOLD_MODE_COMPLETED", 1, Result::Int32,
          [&game](NativeCall& c) {
              const Prompt* p = prompt(game, c);
              c.retBool(p && p->holdCompleted);
          });
    t.add(0x845CE958416DC473, "_UI_PROMPT_HAS_MASH_MODE_COMPLETED", 1, Result::Int32,
          [&game](NativeCall& c) {
              const Prompt* p = prompt(game, c);
              c.retBool(p && p->mashCompleted);
          });
}

}  // namespace sim
