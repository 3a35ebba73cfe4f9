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
// Shows a text at once.
void showMessage(const std::string& text);

// Draws for the current frame only; font is "$title" or "$body".
void drawText(std::string_view text, float x, float y, int red, int green, int blue, int alpha,
              bool centred, float scaleX, float scaleY, std::string_view font);
// x, y: the sprite's top-left corner. A dictionary not loaded yet is requested and drawn once the
// game has it.
void drawSprite(const char* dictionary, const char* name, float x, float y, float width,
                float height, float rotation, int red, int green, int blue, int alpha);

void showHelpText(std::string_view text, int32_t durationMs);
void showNotification(std::string_view text, int32_t durationMs);
// The frame step, before the features: the pending help text, then the pending notification.
void flushPendingTexts();
void flushHelpText();
void flushNotification();

// Adds (positive) or removes (negative) money; cents are truncated toward zero from the decimal
// the float stands for ($2.10 pays 210 cents, 12.349 pays 1234). 0 or NaN does nothing.
void changePlayerCash(float dollars, bool notify);
void showCashNotification(int32_t cents, int32_t durationMs);

// "1521.5,439.356,90.6807": six significant digits, no spaces.
std::string formatVector(const Vector3& v);
std::string replaceWithLineBreaks(std::string text, char marker);

}  // namespace bf
