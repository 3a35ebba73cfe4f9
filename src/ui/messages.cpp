#include "ui/messages.h"

#include "core/natives.h"

namespace bf {

uint64_t makeLiteralText(const char* text) {
    return natives::createLiteralText(text);
}

void showMessage(const std::string& text) {
    const uint64_t handle = makeLiteralText(text.c_str());
    natives::showSubtitleText(handle);
    natives::showSubtitleBegin();
    natives::showSubtitleEnd();
}

}  // namespace bf
