#include "sim/world/screen.h"

#include <cstdio>

namespace sim {

namespace {
const std::string kNoText;
// Text handles are 64-bit words; the game's carry bits above the low 32.
constexpr uint64_t kTextHandleHigh = 0x1ull << 32;
}  // namespace

uint64_t Screen::makeText(std::string text) {
    const uint64_t handle = kTextHandleHigh | static_cast<uint32_t>(textHandles_.take());
    texts_[handle] = std::move(text);
    return handle;
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
    for (const auto& [handle, text] : texts_)
        textHandles_.giveBack(static_cast<int32_t>(handle & 0xFFFFFFFFu));
    texts_.clear();
    lastFrameSprites.swap(sprites);
    sprites.clear();
    textStyle = {};
}

}  // namespace sim
