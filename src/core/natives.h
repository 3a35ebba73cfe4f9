// Every game native the plug-in calls, once, by purpose. Feature code calls these names and never
// a bare hash. Each entry says what the plug-in relies on from the game.
//
// Add new natives to the section of their domain, keeping the hash written once.
#pragma once

#include <cstdint>

#include "core/native.h"

namespace bf::natives {

// --- Player -------------------------------------------------------------------------------------

// The player's ped handle.
inline int32_t playerPedId() {
    return invoke<int32_t>(0x096275889B8E0EE0);
}

// --- Time and randomness ------------------------------------------------------------------------

// Milliseconds of game time; unsigned, compare with the signed 32-bit difference.
inline uint32_t getGameTimer() {
    return invoke<uint32_t>(0x4F67E8ECA7D3F667);
}
// A random integer in [min, max): the maximum itself is never returned.
inline int32_t getRandomIntInRange(int32_t min, int32_t max) {
    return invoke<int32_t>(0xD53343AA4FB7DD28, min, max);
}
// A random float in [min, max).
inline float getRandomFloatInRange(float min, float max) {
    return invoke<float>(0xE29F927A961F8AAA, min, max);
}

// --- Hashes -------------------------------------------------------------------------------------

// The game's hash of a name (case-insensitive).
inline uint32_t getHashKey(const char* name) {
    return invoke<uint32_t>(0xFD340785ADF8CFB7, name);
}

// --- Streaming ----------------------------------------------------------------------------------

inline void requestStreamedTextureDict(const char* dictionary, bool unused) {
    invoke(0xC1BA29DF5631B0F8, dictionary, unused);
}
inline bool hasStreamedTextureDictLoaded(const char* dictionary) {
    return invoke<bool>(0x54D6900929CCF162, dictionary);
}

// --- Decorators ---------------------------------------------------------------------------------

// Type codes: 1 float, 3 integer.
inline void decorRegister(const char* name, int32_t typeCode) {
    invoke(0x0B253D644E3C36B3, name, typeCode);
}

// --- Texts and messages -------------------------------------------------------------------------

// A literal text handle for a character string the caller keeps alive.
inline uint64_t createLiteralText(const char* text) {
    return invoke<uint64_t>(0xFA925AC00EB830B9, 10, "LITERAL_STRING", text);
}
// A coloured text handle over a literal one; drawn texts must go through it.
inline uint64_t createColorText(uint64_t textHandle) {
    return invoke<uint64_t>(0xFA925AC00EB830B9, 42, "COLOR_STRING", 0, textHandle);
}
// A text handle showing an amount of money in cents.
inline uint64_t createCashText(int32_t cents) {
    return invoke<uint64_t>(0xFA925AC00EB830B9, 2, "CASH_STRING", cents);
}
// The game's own character string for a label hash (item names); may be null.
inline const char* getLabelText(uint32_t labelHash) {
    return invoke<const char*>(0xFA925AC00EB830B9, 0, labelHash);
}
// The three calls that put a text on screen at once.
inline void showSubtitleText(uint64_t textHandle) {
    invoke(0xFA233F8FE190514C, textHandle);
}
inline void showSubtitleBegin() {
    invoke(0xE9990552DEC71600);
}
inline void showSubtitleEnd() {
    invoke(0xDFF0D417277B41F8);
}

// --- Drawing (valid for the current frame only) -------------------------------------------------

inline void setTextColor(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    invoke(0x16FA5CE47F184F1E, red, green, blue, alpha);
}
inline void setTextScale(float scaleX, float scaleY) {
    invoke(0xA1253A3C870B6843, scaleX, scaleY);
}
inline void setTextCentre(bool centred) {
    invoke(0xBE5261939FBECB8C, centred);
}
// Draws a (coloured) text handle with the style set just before.
inline void displayText(uint64_t textHandle, float x, float y) {
    invoke(0x16794E044C9EFB58, textHandle, x, y);
}
// Position is the sprite's centre.
inline void drawSprite(const char* dictionary, const char* name, float centreX, float centreY,
                       float width, float height, float rotation, int32_t red, int32_t green,
                       int32_t blue, int32_t alpha) {
    invoke(0xC9884ECADE94CB34, dictionary, name, centreX, centreY, width, height, rotation, red,
           green, blue, alpha, true);
}

// --- Feed and money -----------------------------------------------------------------------------

// The game may read the blocks after the call: they must outlive it.
inline void feedPostHelpText(const uint64_t* blockA, const uint64_t* blockB) {
    invoke(0x049D5C615BD38BAD, blockA, blockB, true);
}
inline void feedPostNotification(const uint64_t* blockA, const uint64_t* blockB) {
    invoke(0xB249EBCB30DD88E0, blockA, blockB, true);
}
inline void addPlayerCash(int32_t cents, uint32_t reasonHash) {
    invoke(0xBC3422DC91667621, cents, reasonHash);
}
// Called with the (negative) change in cents.
inline void removePlayerCash(int32_t cents) {
    invoke(0x466BC8769CF26A7A, cents);
}

}  // namespace bf::natives
