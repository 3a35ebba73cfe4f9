// Everything the plug-in puts on screen: texts and sprites drawn each frame, the one-off message,
// the help-text and notification queues that the frame step hands to the game, and cash changes.
//
// The queues hold one pending text each; a later text queued before the next frame step replaces
// the earlier one. Texts longer than a queue are cut at a character boundary (UTF-8 safe).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/vector3.h"

namespace bf {

// A text handle for a character string; the string must stay alive while the game uses it.
uint64_t makeLiteralText(const char* text);
// Shows a text at once; the text is kept until the next message, as the game reads it later.
void showMessage(const std::string& text);

// Draws for the current frame only; font is "$title" or "$body". The game forgets a text's style
// once it has displayed it, so left alignment (its default) is not asked for.
void drawText(std::string_view text, float x, float y, int red, int green, int blue, int alpha,
              bool centred, float scaleX, float scaleY, std::string_view font);
// x, y: the sprite's top-left corner. A dictionary not loaded yet is requested and drawn once the
// game has it.
void drawSprite(const char* dictionary, const char* name, float x, float y, float width,
                float height, float rotation, int red, int green, int blue, int alpha);
// True once the game has the dictionary; asks for it while it has not. A dictionary the plug-in
// asked for stays loaded (it never lets one go), so a caller that saw it loaded need not ask again.
bool textureDictReady(const char* dictionary);
// drawSprite for a dictionary the caller knows is loaded: nothing is asked, only drawn.
void drawLoadedSprite(const char* dictionary, const char* name, float x, float y, float width,
                      float height, float rotation, int red, int green, int blue, int alpha);

void showHelpText(std::string_view text, int32_t durationMs);
void showNotification(std::string_view text, int32_t durationMs);
// The frame step, before the features: the pending help text, then the pending notification.
void flushPendingTexts();
void flushHelpText();
void flushNotification();

// Pays or takes money (world/money.h) and, when asked, tells the player with the cash
// notification. 0 or NaN does nothing, and so does a removal of more than the player has (the game
// refuses it; no notification then).
void changePlayerCash(float dollars, bool notify);
// The same in whole cents, as prices are kept; true when the money moved.
bool changePlayerCash(int32_t cents, bool notify);
void showCashNotification(int32_t cents, int32_t durationMs);

// "1521.5,439.356,90.6807": six significant digits, no spaces.
std::string formatVector(const Vector3& v);
std::string replaceWithLineBreaks(std::string text, char marker);

}  // namespace bf
