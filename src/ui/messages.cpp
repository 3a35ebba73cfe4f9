#include "ui/messages.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>

#include "core/frame_tally.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/text.h"
#include "world/money.h"

namespace bf {

namespace {

constexpr uint64_t kNotificationBlockA0 = 450;
constexpr int32_t kCashNotificationMs = 1000;
constexpr uint64_t kCashIcon = 0x6D31416E;
constexpr uint64_t kCashTexture = 0x067FA8F3;

template <size_t N>
void copyCut(std::array<char, N>& buffer, std::string_view text) {
    const size_t length = utf8PrefixLength(text, N - 1);
    std::memcpy(buffer.data(), text.data(), length);
    buffer[length] = '\0';
}

uint64_t pointerWord(const void* p) {
    return reinterpret_cast<uint64_t>(p);
}

}  // namespace

uint64_t makeLiteralText(const char* text) {
    return natives::createLiteralText(text);
}

void showMessage(const std::string& text) {
    std::string& message = runtime().screenTexts.message;
    message = text;
    const uint64_t handle = makeLiteralText(message.c_str());
    natives::uilogSetCachedObjective(handle);
    natives::uilogPrintCachedObjective();
    natives::uilogClearCachedObjective();
}

void drawText(std::string_view text, float x, float y, int red, int green, int blue, int alpha,
              bool centred, float scaleX, float scaleY, std::string_view font) {
    natives::setTextColor(red, green, blue, alpha);
    natives::setTextScale(scaleX, scaleY);
    if (centred) natives::setTextCentre(true);

    ScreenTexts& texts = runtime().screenTexts;
    if (texts.drawnTextsUsed == texts.drawnTexts.size()) texts.drawnTexts.emplace_back();
    std::string& composed = texts.drawnTexts[texts.drawnTextsUsed++];
    composed.assign("<FONT FACE='");
    composed.append(font);
    composed.append("'>");
    composed.append(text);
    composed.append("</FONT>");

    const uint64_t literal = makeLiteralText(composed.c_str());
    natives::displayText(natives::createColorText(literal), x, y);
}

void drawSprite(const char* dictionary, const char* name, float x, float y, float width,
                float height, float rotation, int red, int green, int blue, int alpha) {
    textureDictReady(dictionary);
    drawLoadedSprite(dictionary, name, x, y, width, height, rotation, red, green, blue, alpha);
}

bool textureDictReady(const char* dictionary) {
    if (natives::hasStreamedTextureDictLoaded(dictionary)) return true;
    natives::requestStreamedTextureDict(dictionary, false);
    return false;
}

void drawLoadedSprite(const char* dictionary, const char* name, float x, float y, float width,
                      float height, float rotation, int red, int green, int blue, int alpha) {
    natives::drawSprite(dictionary, name, x + width * 0.5f, y + height * 0.5f, width, height,
                        rotation, red, green, blue, alpha);
}

void showHelpText(std::string_view text, int32_t durationMs) {
    ScreenTexts& texts = runtime().screenTexts;
    copyCut(texts.helpText, text);
    texts.helpDurationMs = durationMs;
}

void showNotification(std::string_view text, int32_t durationMs) {
    ScreenTexts& texts = runtime().screenTexts;
    copyCut(texts.notification, text);
    texts.notificationDurationMs = durationMs;
}

void flushPendingTexts() {
    const ScopedActivity mark(Activity::Texts);
    // The strings drawn last frame have been read by the game by now.
    runtime().screenTexts.drawnTextsUsed = 0;
    flushHelpText();
    flushNotification();
}

void flushHelpText() {
    ScreenTexts& texts = runtime().screenTexts;
    if (texts.helpText[0] == '\0') return;
    texts.helpBlockA = {};
    texts.helpBlockB = {};
    texts.helpBlockA[0] = static_cast<uint32_t>(texts.helpDurationMs);
    texts.helpTextHanded = texts.helpText;
    texts.helpBlockB[1] = makeLiteralText(texts.helpTextHanded.data());
    natives::feedPostHelpText(texts.helpBlockA.data(), texts.helpBlockB.data());
    texts.helpText[0] = '\0';
}

void flushNotification() {
    ScreenTexts& texts = runtime().screenTexts;
    if (texts.notification[0] == '\0') return;
    texts.notificationBlockA = {};
    texts.notificationBlockB = {};
    // The caller's duration, not a fixed display time: the competitions ask for 5000 ms.
    texts.notificationBlockA[0] = texts.notificationDurationMs > 0
                                      ? static_cast<uint32_t>(texts.notificationDurationMs)
                                      : kNotificationBlockA0;
    texts.notificationHanded = texts.notification;
    texts.notificationBlockB[1] = makeLiteralText(texts.notificationHanded.data());
    texts.notificationBlockB[4] = 1;
    texts.notificationBlockB[5] = natives::getHashKey("COLOR_WHITE");
    natives::feedPostNotification(texts.notificationBlockA.data(), texts.notificationBlockB.data());
    texts.notification[0] = '\0';
}

void changePlayerCash(float dollars, bool notify) {
    if (std::isnan(dollars)) return;
    changePlayerCash(centsOf(dollars), notify);
}

bool changePlayerCash(int32_t cents, bool notify) {
    if (!movePlayerCash(cents)) return false;
    if (notify) showCashNotification(cents, kCashNotificationMs);
    return true;
}

void showCashNotification(int32_t cents, int32_t durationMs) {
    ScreenTexts& texts = runtime().screenTexts;
    texts.cashBlockA = {};
    texts.cashBlockB = {};
    const uint64_t cash = natives::createCashText(cents);
    texts.cashBlockA[0] = static_cast<uint32_t>(durationMs);
    texts.cashBlockB[1] = cash;
    texts.cashBlockB[2] = pointerWord("ITEMTYPE_TEXTURES");
    texts.cashBlockB[3] = kCashIcon;
    texts.cashBlockB[5] = kCashTexture;
    texts.cashBlockB[8] = cash;
    natives::feedPostNotification(texts.cashBlockA.data(), texts.cashBlockB.data());
}

std::string formatVector(const Vector3& v) {
    std::ostringstream out;
    out << v.x << ',' << v.y << ',' << v.z;
    return out.str();
}

std::string replaceWithLineBreaks(std::string text, char marker) {
    for (char& c : text) {
        if (c == marker) c = '\n';
    }
    return text;
}

}  // namespace bf
