// Prompts: prompts and the player's input.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_PROMPTS(X)                                                                     \
    X(kUiPromptRegisterBegin, 0x04F97DE45A519419, "_UI_PROMPT_REGISTER_BEGIN", 0, Int32)          \
    X(kUiPromptSetControlAction, 0xB5352B7494A08258, "_UI_PROMPT_SET_CONTROL_ACTION", 2, Any)     \
    X(kUiPromptSetText, 0x5DD02A8318420DD7, "_UI_PROMPT_SET_TEXT", 2, Void)                       \
    X(kUiPromptSetGroup, 0x2F11D3A254169EA4, "_UI_PROMPT_SET_GROUP", 3, Void)                     \
    X(kUiPromptSetStandardMode, 0xCC6656799977741B, "_UI_PROMPT_SET_STANDARD_MODE", 2, Void)      \
    X(kUiPromptSetHoldMode, 0x94073D5CA3F16B7B, "_UI_PROMPT_SET_HOLD_MODE", 2, Void)              \
    X(kUiPromptSetMashManualMode, 0x32DF729D8BD3C1C6, "_UI_PROMPT_SET_MASH_MANUAL_MODE", 5, Void) \
    X(kUiPromptSetAttribute, 0x560E76D5E2E1803F, "_UI_PROMPT_SET_ATTRIBUTE", 3, Void)             \
    X(kUiPromptRegisterEnd, 0xF7AA2696A22AD8B9, "_UI_PROMPT_REGISTER_END", 1, Void)               \
    X(kUiPromptSetEnabled, 0x8A0FB4D03A630D21, "_UI_PROMPT_SET_ENABLED", 2, Void)                 \
    X(kUiPromptSetVisible, 0x71215ACCFDE075EE, "_UI_PROMPT_SET_VISIBLE", 2, Void)                 \
    X(kUiPromptDelete, 0x00EDE88D4D13CF59, "_UI_PROMPT_DELETE", 1, Void)                          \
    X(kUiPromptGetGroupIdForTargetEntity, 0xB796970BD125FCE8,                                     \
      "_UI_PROMPT_GET_GROUP_ID_FOR_TARGET_ENTITY", 1, Int32)                                      \
    X(kUiPromptHasStandardModeCompleted, 0xC92AC953F0A982AE,                                      \
      "_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED", 2, Int32)                                         \
    X(kUiPromptHasHoldModeCompleted, 0xE0F65F0640EF0617, "_UI_PROMPT_HAS_HOLD_MODE_COMPLETED", 1, \
      Int32)                                                                                      \
    X(kUiPromptHasMashModeCompleted, 0x845CE958416DC473, "_UI_PROMPT_HAS_MASH_MODE_COMPLETED", 1, \
      Int32)

BF_NATIVES_PROMPTS(BF_NATIVE_DEFINE)

inline int32_t promptRegisterBegin() {
    return call<kUiPromptRegisterBegin, int32_t>();
}

inline void promptSetControlAction(int32_t prompt, uint32_t control) {
    call<kUiPromptSetControlAction>(prompt, control);
}

inline void promptSetText(int32_t prompt, uint64_t textHandle) {
    call<kUiPromptSetText>(prompt, textHandle);
}

// Group 0 takes the prompt out of every group.
inline void promptSetGroup(int32_t prompt, int32_t group, int32_t tab) {
    call<kUiPromptSetGroup>(prompt, group, tab);
}

inline void promptSetStandardMode(int32_t prompt, bool on) {
    call<kUiPromptSetStandardMode>(prompt, on);
}

// The player must hold the control for holdTimeMs before the prompt completes.
inline void promptSetHoldMode(int32_t prompt, int32_t holdTimeMs) {
    call<kUiPromptSetHoldMode>(prompt, holdTimeMs);
}

inline void promptSetMashManualMode(int32_t prompt, int32_t presses, int32_t a, int32_t b,
                                    int32_t c) {
    call<kUiPromptSetMashManualMode>(prompt, presses, a, b, c);
}

inline void promptSetAttribute(int32_t prompt, int32_t attribute, bool on) {
    call<kUiPromptSetAttribute>(prompt, attribute, on);
}

inline void promptRegisterEnd(int32_t prompt) {
    call<kUiPromptRegisterEnd>(prompt);
}

inline void promptSetEnabled(int32_t prompt, bool on) {
    call<kUiPromptSetEnabled>(prompt, on);
}

inline void promptSetVisible(int32_t prompt, bool on) {
    call<kUiPromptSetVisible>(prompt, on);
}

inline void promptDelete(int32_t prompt) {
    call<kUiPromptDelete>(prompt);
}

// The prompt group of a ped (shown while the player targets it); 0 when it has none.
inline int32_t promptGetGroupIdForTargetEntity(int32_t entity) {
    return call<kUiPromptGetGroupIdForTargetEntity, int32_t>(entity);
}

inline bool promptHasStandardModeCompleted(int32_t prompt) {
    return call<kUiPromptHasStandardModeCompleted, bool>(prompt, 0);
}

// Stays true while the control is still held after the hold completed.
inline bool promptHasHoldModeCompleted(int32_t prompt) {
    return call<kUiPromptHasHoldModeCompleted, bool>(prompt);
}

inline bool promptHasMashModeCompleted(int32_t prompt) {
    return call<kUiPromptHasMashModeCompleted, bool>(prompt);
}

}  // namespace bf::natives
