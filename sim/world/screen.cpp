#include "sim/world/screen.h"

#include <cstdio>

namespace sim {

namespace {
const std::string kNoText;
}

uint64_t Screen::makeText(std::string text) {
    nextText_ += 0x40;
    texts_[nextText_] = std::move(text);
    return nextText_;
}

const std::string& Screen::text(uint64_t handle) const {
    auto it = texts_.find(handle);
    return it == texts_.end() ? kNoText : it->second;
}

const char* Screen::textPointer(uint64_t handle) const {
    auto it = texts_.find(handle);
    return it == texts_.end() ? nullptr : it->second.c_str();
}

void Screen::show(std::string kind, std::string text) {
    if (!shownKeys_.insert(kind + '\n' + text).second) return;
    shown_.push_back({std::move(kind), std::move(text)});
}

std::string cashText(int64_t cents) {
    char buffer[32];
    const int64_t magnitude = cents < 0 ? -cents : cents;
    std::snprintf(buffer, sizeof buffer, "%s$%lld.%02lld", cents < 0 ? "-" : "",
                  static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
    return buffer;
}

const char* Screen::label(uint32_t hash) const {
    auto it = labels_.find(hash);
    return it == labels_.end() ? nullptr : it->second.c_str();
}

void Screen::endFrame() {
    texts_.clear();
    lastFrameSprites.swap(sprites);
    sprites.clear();
    textStyle = {};
}

}  // namespace sim
