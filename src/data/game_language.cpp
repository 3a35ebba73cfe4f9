#include "data/game_language.h"

#include <array>

namespace bf {

namespace {
constexpr std::array<std::string_view, 13> kCodes = {
    "", "fr", "de", "it", "es", "pt-BR", "pl", "ru", "ko", "zh-TW", "ja", "es-MX", "zh-CN"};
constexpr int32_t kMexicanSpanish = 11;
}  // namespace

std::string_view languageCode(int32_t gameLanguage) {
    if (gameLanguage < 0 || gameLanguage >= static_cast<int32_t>(kCodes.size())) return {};
    return kCodes[static_cast<size_t>(gameLanguage)];
}

std::string_view fallbackLanguageCode(int32_t gameLanguage) {
    return gameLanguage == kMexicanSpanish ? kCodes[4] : std::string_view();
}

}  // namespace bf
