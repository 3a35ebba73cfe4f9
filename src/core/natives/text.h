// Text: text handles, on-screen messages, the feed and drawn texts.
//
// The table names each native as the game does (see tests/reference/natives.tsv) with the number
// of argument words it takes and the kind of its result; the functions below are the plug-in's
// names for the calls, and the compiler holds each call to its row.
#pragma once

#include <cstdint>

#include "core/native_row.h"

namespace bf::natives {

#define BF_NATIVES_TEXT(X)                                                                      \
    X(kVarString, 0xFA925AC00EB830B9, "VAR_STRING", -1, String)                                 \
    X(kUilogSetCachedObjective, 0xFA233F8FE190514C, "_UILOG_SET_CACHED_OBJECTIVE", 1, Void)     \
    X(kUilogPrintCachedObjective, 0xE9990552DEC71600, "_UILOG_PRINT_CACHED_OBJECTIVE", 0, Void) \
    X(kUilogClearCachedObjective, 0xDFF0D417277B41F8, "_UILOG_CLEAR_CACHED_OBJECTIVE", 0, Void) \
    X(kBgSetTextColor, 0x16FA5CE47F184F1E, "_BG_SET_TEXT_COLOR", 4, Void)                       \
    X(kBgSetTextScale, 0xA1253A3C870B6843, "_BG_SET_TEXT_SCALE", 2, Void)                       \
    X(kSetTextCentre, 0xBE5261939FBECB8C, "SET_TEXT_CENTRE", 1, Void)                           \
    X(kBgDisplayText, 0x16794E044C9EFB58, "_BG_DISPLAY_TEXT", 3, Void)                          \
    X(kUiFeedPostHelpText, 0x049D5C615BD38BAD, "_UI_FEED_POST_HELP_TEXT", 3, Int32)             \
    X(kUiFeedPostSampleToastRight, 0xB249EBCB30DD88E0, "_UI_FEED_POST_SAMPLE_TOAST_RIGHT", 3,   \
      Int32)                                                                                    \
    X(kGetCurrentLanguage, 0xDB917DA5C6835FCC, "GET_CURRENT_LANGUAGE", 0, Int32)

BF_NATIVES_TEXT(BF_NATIVE_DEFINE)

// A literal text handle for a character string the caller keeps alive.
inline uint64_t createLiteralText(const char* text) {
    return call<kVarString, uint64_t>(10, "LITERAL_STRING", text);
}

// A coloured text handle over a literal one; drawn texts must go through it.
inline uint64_t createColorText(uint64_t textHandle) {
    return call<kVarString, uint64_t>(42, "COLOR_STRING", 0, textHandle);
}

// A text handle showing an amount of money in cents.
inline uint64_t createCashText(int32_t cents) {
    return call<kVarString, uint64_t>(2, "CASH_STRING", cents);
}

// The game's own character string for a label hash (item names); may be null.
inline const char* getLabelText(uint32_t labelHash) {
    return call<kVarString, const char*>(0, labelHash);
}

// The three calls that put a text on screen at once.
inline void uilogSetCachedObjective(uint64_t textHandle) {
    call<kUilogSetCachedObjective>(textHandle);
}

inline void uilogPrintCachedObjective() {
    call<kUilogPrintCachedObjective>();
}

inline void uilogClearCachedObjective() {
    call<kUilogClearCachedObjective>();
}

inline void setTextColor(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    call<kBgSetTextColor>(red, green, blue, alpha);
}

inline void setTextScale(float scaleX, float scaleY) {
    call<kBgSetTextScale>(scaleX, scaleY);
}

inline void setTextCentre(bool centred) {
    call<kSetTextCentre>(centred);
}

// Draws a (coloured) text handle with the style set just before.
inline void displayText(uint64_t textHandle, float x, float y) {
    call<kBgDisplayText>(textHandle, x, y);
}

// The game may read the blocks after the call: they must outlive it.
inline void feedPostHelpText(const uint64_t* blockA, const uint64_t* blockB) {
    call<kUiFeedPostHelpText>(blockA, blockB, true);
}

inline void feedPostNotification(const uint64_t* blockA, const uint64_t* blockB) {
    call<kUiFeedPostSampleToastRight>(blockA, blockB, true);
}

// The language the player chose in the game's settings: 0 English, 1 French, 2 German, 3
// Italian, 4 Spanish, 5 Brazilian Portuguese, 6 Polish, 7 Russian, 8 Korean, 9 Traditional
// Chinese, 10 Japanese, 11 Mexican Spanish, 12 Simplified Chinese.
inline int32_t getCurrentLanguage() {
    return call<kGetCurrentLanguage, int32_t>();
}

}  // namespace bf::natives
